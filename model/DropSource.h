// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SetupParameters.h"

#include <array>
#include <functional>
#include <optional>

class DropletNoise;

/// Where the droplet of a start comes from: the laboratory gives drops of
/// their own (an unknown size, charges and thermal kicks from the drop's own
/// seed); without a source, or when it gives none, every start runs the
/// droplet of the inputs with charges drawn from the program's generator.
class DropSource {
public:
    /// The droplet a start runs.
    struct Drop {
        std::optional<double> diameter;   ///< m; none: the diameter of the input
        std::array<float, 2> chargeDraws; ///< uniforms in [0, 1) that choose N2 and N3 when charges are random
        DropletNoise* noise = nullptr;    ///< displaces it after every step; none: the deterministic motion
        /// Held between the plates, as in the real apparatus: the run goes on
        /// until the droplet touches a plate or the student ends it, the
        /// field is switched on and off at will, and every irradiation
        /// gives a new charge (newCharge).
        bool held = false;
        /// The charge after an irradiation from the charge before, elementary charges.
        std::function<int(int)> newCharge;
        /// A droplet caught where it was seen: its charge number (none: drawn
        /// or the inputs') and how far below the upper plate it starts, m.
        std::optional<int> charge;
        double startDepth = 0;
    };

    virtual ~DropSource() = default;

    /// «ПУСК»: the droplet about to run in `setup` (none: the inputs' own).
    virtual std::optional<Drop> nextDrop(const SetupParameters& setup) = 0;
    /// The next start would hold its droplet.
    virtual bool holdsDrops() const = 0;
};

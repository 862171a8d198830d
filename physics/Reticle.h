// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The reticle of the eyepiece: lines dividing the plate gap into equal
/// bands, over which the student times the droplet.
struct Reticle {
    /// Bands between the plates.
    static constexpr int Bands = 10;

    /// The length of one band, a tenth of the plate gap `DD` (m), m.
    static constexpr double bandLength(double DD) { return DD / Bands; }
};

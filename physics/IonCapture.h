// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class SeededRandom;

/// An irradiation of the droplet: the X-rays ionise the air around it, and
/// the ions it captures change its charge by a few elementary charges either
/// way — by 1 in six cases of ten, by 2 in three, by 3 in one, a gain as
/// likely as a loss — so that its charge may pass through zero and change
/// its sign. The charge stays within ±MaxCharge (a change that would take it
/// beyond goes the other way).
class IonCapture {
public:
    static constexpr int MaxCharge = 20;

    /// The charge after an irradiation, from `charge` before, elementary charges.
    static int next(int charge, SeededRandom& random);
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// How near the real apparatus the laboratory comes.
///   - Ideal: one drop, no noise.
///   - Standard: a spray of drops, Brownian motion, the microscope's focus.
///   - Full: also the drops' evaporation and the lamp warming the chamber.
enum class RealismLevel { Ideal, Standard, Full };

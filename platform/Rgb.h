// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

/// A colour as a red-green-blue triple, 0..255 each.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace Colors {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb DarkBlue{0, 0, 192};
inline constexpr Rgb LightGreen{128, 255, 128};
inline constexpr Rgb Grey{224, 224, 224};
inline constexpr Rgb DarkGrey{128, 128, 128};
inline constexpr Rgb LightYellow{255, 255, 192};
inline constexpr Rgb LightCyan{192, 255, 255};
} // namespace Colors

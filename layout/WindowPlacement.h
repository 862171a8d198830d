// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

/// Where a new window of the program goes on the screen, in screen pixels
/// and in frame geometry (the window with its title bar and borders): wholly
/// inside the screen's available area, shrunk to it when larger (never below
/// its minimum), and beside a region it should not cover (the drop view)
/// when the screen has room for it there.
class WindowPlacement {
public:
    /// Gap between the window and the region it keeps clear of, px.
    static constexpr int Gap = 8;
    /// The height of a window manager's title bar, px, allowed for before a
    /// window is shown (when its frame is not known yet).
    static constexpr int TitleBar = 32;

    /// The frame for a window of `preferred` size (at least `minimum`) that
    /// would go at `near`: inside `available`, and clear of `avoid` when
    /// the area to its right, left, below or above it (tried in this order)
    /// takes the window's minimum; otherwise at `near`, moved onto the screen.
    static QRect place(const QRect& available, const QRect& avoid, QPoint near, QSize preferred, QSize minimum);

    /// The frame clear of `avoid`, as place() finds it, or none when no
    /// strip beside it takes the window's minimum.
    static std::optional<QRect> beside(const QRect& available, const QRect& avoid, QPoint near, QSize preferred,
                                       QSize minimum);

    /// `preferred` no larger than `available`, but not below `minimum`.
    static QSize bounded(QSize preferred, QSize minimum, QSize available);

    /// `frame` moved as little as it takes to lie inside `available` (its
    /// top left corner wins when it is the larger).
    static QRect movedInside(QRect frame, const QRect& available);
};

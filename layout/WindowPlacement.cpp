// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowPlacement.h"

#include <algorithm>
#include <array>

QSize WindowPlacement::bounded(QSize preferred, QSize minimum, QSize available)
{
    return QSize(std::max(minimum.width(), std::min(preferred.width(), available.width())),
                 std::max(minimum.height(), std::min(preferred.height(), available.height())));
}

QRect WindowPlacement::movedInside(QRect frame, const QRect& available)
{
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    return frame;
}

std::optional<QRect> WindowPlacement::beside(const QRect& available, const QRect& avoid, QPoint near, QSize preferred,
                                             QSize minimum)
{
    const QRect clear = avoid.intersected(available);
    if (clear.isEmpty())
        return std::nullopt;
    // The four strips of the screen beside the region, each the full height
    // (or width) of the screen.
    const std::array<QRect, 4> strips = {
        QRect(QPoint(clear.right() + 1 + Gap, available.top()), available.bottomRight()),
        QRect(available.topLeft(), QPoint(clear.left() - 1 - Gap, available.bottom())),
        QRect(QPoint(available.left(), clear.bottom() + 1 + Gap), available.bottomRight()),
        QRect(available.topLeft(), QPoint(available.right(), clear.top() - 1 - Gap)),
    };
    for (const QRect& strip : strips)
        if (strip.width() >= minimum.width() && strip.height() >= minimum.height())
            return movedInside(QRect(near, bounded(preferred, minimum, strip.size())), strip);
    return std::nullopt;
}

QRect WindowPlacement::place(const QRect& available, const QRect& avoid, QPoint near, QSize preferred, QSize minimum)
{
    if (const std::optional<QRect> clear = beside(available, avoid, near, preferred, minimum))
        return *clear;
    return movedInside(QRect(near, bounded(preferred, minimum, available.size())), available);
}

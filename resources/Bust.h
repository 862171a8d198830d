// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

/// A stylised head-and-shoulders figure: the sitter of the portraits and of
/// the application icon.
namespace Bust {

/// How much of a face to draw; small heads read better with fewer details.
enum class FaceDetail { None, Eyes, Full };

/// Colours and cut of a stylised head-and-shoulders figure.
struct BustStyle {
    QColor skin;
    QColor skinShade;
    QColor hair;
    QColor coat;
    QColor coatShade;
    QColor shirt;
    QColor tie;
    QColor features;
    bool highCollar = false; ///< a tall starched collar with a cravat
    bool moustache = false;
    FaceDetail detail = FaceDetail::Eyes;
};

/// A head and shoulders. The head's centre is at `centre` and its half-width
/// is `radius` (pixels); the shoulders reach about 3.2 radii to each side and
/// run off below the head, so callers clip to their frame.
void draw(QPainter& p, QPointF centre, qreal radius, const BustStyle& s);

} // namespace Bust

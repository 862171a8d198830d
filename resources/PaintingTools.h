// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>

class QPainter;
class QPainterPath;

/// What every picture of the program is painted with. All drawing is in
/// logical pixels: QPainter scales by the image's device pixel ratio by
/// itself, so the same code gives sharp pictures at 1x, 2x or any other ratio.
namespace PaintingTools {

/// The ratio itself when it is a positive finite number, else 1.
qreal validRatio(qreal ratio);

/// A transparent image of the given logical size (pixels) for the given ratio.
QImage blankCanvas(int logicalWidth, int logicalHeight, qreal ratio);

/// Draws a thick line (width in pixels) with a darker rim round it, the way
/// icons draw symbols so they stand out on any background. Two pens instead
/// of a path union keep the curves smooth at every ratio.
void drawRimmedLine(QPainter& p, const QPainterPath& centreLine, qreal width, const QColor& fill, const QColor& rim,
                    qreal rimWidth);

} // namespace PaintingTools

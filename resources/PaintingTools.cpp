// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaintingTools.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace PaintingTools {

qreal validRatio(qreal ratio)
{
    return (std::isfinite(ratio) && ratio > 0.0) ? ratio : 1.0;
}

QImage blankCanvas(int logicalWidth, int logicalHeight, qreal ratio)
{
    ratio = validRatio(ratio);
    // The small epsilon keeps 10 * 1.1 = 11.000000000000002 from becoming 12 pixels.
    const QSize physical(qCeil(logicalWidth * ratio - 1e-6), qCeil(logicalHeight * ratio - 1e-6));
    QImage image(physical, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

void drawRimmedLine(QPainter& p, const QPainterPath& centreLine, qreal width, const QColor& fill, const QColor& rim,
                    qreal rimWidth)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rim, width + 2.0 * rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(centreLine);
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(centreLine);
}

} // namespace PaintingTools

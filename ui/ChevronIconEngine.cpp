// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChevronIconEngine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

void ChevronIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State)
{
    const QColor ink = QGuiApplication::palette().color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                                        QPalette::ButtonText);
    const qreal w = rect.width(), h = rect.height();
    QPainterPath chevrons;
    for (const qreal x : {0.25, 0.55}) {
        chevrons.moveTo(rect.left() + x * w, rect.top() + 0.3 * h);
        chevrons.lineTo(rect.left() + (x + 0.2) * w, rect.top() + 0.5 * h);
        chevrons.lineTo(rect.left() + x * w, rect.top() + 0.7 * h);
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ink, std::max(1.0, w / 10), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(chevrons);
    painter->restore();
}

QPixmap ChevronIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap ChevronIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
}

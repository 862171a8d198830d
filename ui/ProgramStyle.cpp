// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramStyle.h"

#include "ChevronIconEngine.h"

#include <QGroupBox>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include <algorithm>

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_SmallIconSize && qobject_cast<const QMenu*>(widget))
        return MenuIconSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                     const QWidget* widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    // Room for the whole picture, with a little air above and below.
    if (type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item && item->menuItemType != QStyleOptionMenuItem::Separator)
            result.setHeight(std::max(result.height(), MenuIconSize + 4));
    }
    return result;
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new ChevronIconEngine);
    return QProxyStyle::standardIcon(icon, option, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A rounded frame with a light inner edge, below the title as the
    // toolkit's style places it.
    const auto* group = qobject_cast<const QGroupBox*>(widget);
    const int titleHeight =
        group && !group->isCheckable() && group->title().isEmpty()
            ? 0
            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height());
    const QRectF frame = QRectF(option->rect.adjusted(0, titleHeight + 2, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(QColor(0, 0, 0, 48), 1));
    painter->drawRoundedRect(frame, 2, 2);
    painter->setPen(QPen(QColor(255, 255, 255, 96), 1));
    painter->drawRoundedRect(frame.adjusted(1, 1, -1, -1), 1.5, 1.5);
    painter->restore();
}

#include "MenuIconStyle.h"

#include <QMenu>
#include <QStyleOptionMenuItem>

#include <algorithm>

int MenuIconStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_SmallIconSize && qobject_cast<const QMenu*>(widget))
        return MenuIconSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize MenuIconStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
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

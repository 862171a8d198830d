#pragma once

#include <QProxyStyle>

/// Shows the pictures of menu items at their full 32 px.
class MenuIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr int MenuIconSize = 32;

    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

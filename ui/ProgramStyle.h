// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

/// The program's style, over the toolkit's: the pictures of menu items at
/// their full 32 px; the menu bar's extension arrow and the frame of a group
/// box drawn directly, where the toolkit's style reads image files for them
/// while the window is made and first shown (a noticeable part of the start).
class ProgramStyle : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr int MenuIconSize = 32;

    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIconEngine>

/// The double chevron of a menu bar's extension button, drawn when it is
/// shown. The style's own picture is read from several image files when the
/// menu bar is made, which costs a noticeable part of the program's start for
/// a button that a menu bar of two menus hardly ever shows.
class ChevronIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QIconEngine* clone() const override { return new ChevronIconEngine; }
    QString key() const override { return QStringLiteral("oildrop-chevron"); }
};

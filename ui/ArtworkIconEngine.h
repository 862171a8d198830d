// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Artwork.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPixmap>

#include <map>

/// A menu picture as an icon that is drawn only when it is first shown, at
/// the size and pixel density it is shown at, so that start-up does not pay
/// for pictures that nobody looks at yet.
class ArtworkIconEngine : public QIconEngine {
    Q_DECLARE_TR_FUNCTIONS(ArtworkIconEngine)

public:
    explicit ArtworkIconEngine(Artwork::MenuPicture which) : m_which(which) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override { return new ArtworkIconEngine(m_which); }
    QString key() const override { return QStringLiteral("oildrop-artwork"); }

private:
    QPixmap rendered(qreal scale, QIcon::Mode mode);

    Artwork::MenuPicture m_which;
    std::map<std::pair<int, int>, QPixmap> m_cache; ///< by (scale × 100, mode)
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArtworkIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

QPixmap ArtworkIconEngine::rendered(qreal scale, QIcon::Mode mode)
{
    const auto key = std::make_pair(static_cast<int>(std::lround(scale * 100)), static_cast<int>(mode));
    auto it = m_cache.find(key);
    if (it != m_cache.end())
        return it->second;
    // The table's word in the interface's language, in the picture's own pixel letters.
    QPixmap picture = QPixmap::fromImage(Artwork::menuPicture(m_which, scale, tr("таблица")));
    if (mode == QIcon::Disabled) {
        QStyleOption option;
        picture = QApplication::style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }
    return m_cache.emplace(key, picture).first->second;
}

QPixmap ArtworkIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap ArtworkIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale)
{
    // Drawn for the pixels asked for: a 32 px picture at size × scale.
    const qreal edge = std::max(size.width(), size.height()) * scale;
    const qreal ratio = edge > 0 ? edge / Artwork::MenuPictureSize : scale;
    QPixmap picture = rendered(ratio, mode);
    picture.setDevicePixelRatio(scale);
    return picture;
}

void ArtworkIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
}

QSize ArtworkIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int edge = std::min({size.width(), size.height(), Artwork::MenuPictureSize * 8});
    return QSize(edge, edge);
}

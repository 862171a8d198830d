// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MenuPictureHolder.h"

#include "ArtworkIconEngine.h"

#include <QPainter>

MenuPictureHolder::MenuPictureHolder(Artwork::MenuPicture which, QWidget* parent)
    : QWidget(parent), m_which(which), m_picture(new ArtworkIconEngine(which))
{
    setFixedSize(Size, Size);
}

void MenuPictureHolder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_picture.paint(&painter, rect());
}

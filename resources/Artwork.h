// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

/// Every picture of the program, drawn with QPainter rather than loaded from
/// files, so that each one is rendered at the screen's own pixel density.
///
/// Sizes are given in logical pixels; a picture rendered for a device pixel
/// ratio of 2 has twice as many physical pixels in each direction and carries
/// that ratio in QImage::devicePixelRatio(), so widgets show it at its logical
/// size. A ratio that is not a positive finite number is treated as 1.
/// All images are QImage::Format_ARGB32_Premultiplied.
class Artwork {
public:
    Artwork() = delete;

    /// The pictures of the menu items, 32 x 32 logical pixels each.
    enum class MenuPicture {
        Table,              ///< a word («таблица», "table") over a ruled table, black on white
        Book,               ///< an open book, pink cover and yellow pages
        HistoricalPortrait, ///< a sepia head-and-shoulders portrait in a round frame
        PowerSwitch,        ///< a red power-switch symbol
        Booklet,            ///< a light-blue booklet with a globe on its cover
        Gear,               ///< a white gear on a blue disc
        AuthorPortrait,     ///< a small rectangular portrait photograph
        QuestionMark        ///< a blue question mark
    };

    /// Edge of a menu picture, logical pixels.
    static constexpr int MenuPictureSize = 32;
    /// Size of the beam picture, logical pixels.
    static constexpr int BeamWidth = 50;
    static constexpr int BeamHeight = 25;
    /// Size of the portrait, logical pixels.
    static constexpr int PortraitWidth = 150;
    static constexpr int PortraitHeight = 180;
    /// Diameter of the droplet, logical pixels.
    static constexpr int DropletSize = 10;

    /// A 32 x 32 (logical pixels) menu picture; `word` is the one the Table
    /// carries, in the interface's language («таблица» when empty).
    static QImage menuPicture(MenuPicture which, qreal devicePixelRatio = 1.0, const QString& word = {});

    /// The application icon, sizePx x sizePx physical pixels (ratio 1), drawn
    /// as vectors for that exact size. Returns a null image if sizePx < 1.
    static QImage appIcon(int sizePx);

    /// A zigzag arrow, 50 x 25 logical pixels on a transparent background,
    /// whose tip is the lower right corner of the image.
    static QImage beam(qreal devicePixelRatio = 1.0);

    /// A portrait photograph of an anonymous person, 150 x 180 logical pixels.
    static QImage portrait(qreal devicePixelRatio = 1.0);

    /// An oil droplet: a blue disc filling 10 x 10 logical pixels, transparent
    /// outside the disc.
    static QImage droplet(qreal devicePixelRatio = 1.0);
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Artwork.h"

#include <QIcon>
#include <QWidget>

/// A 32 × 32 picture box that holds a menu picture until start-up hands it to
/// its menu item; the picture is drawn only when it is first shown, at the
/// size and density it is shown at.
class MenuPictureHolder : public QWidget {
    Q_OBJECT

public:
    static constexpr int Size = 32;

    MenuPictureHolder(Artwork::MenuPicture which, QWidget* parent);
    Artwork::MenuPicture which() const { return m_which; }
    const QIcon& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Artwork::MenuPicture m_which;
    QIcon m_picture;
};

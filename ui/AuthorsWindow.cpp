// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AuthorsWindow.h"

#include "Artwork.h"
#include "Fonts.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QStringList>

AuthorsWindow::AuthorsWindow() : QDialog(nullptr)
{
    setObjectName(QStringLiteral("authorsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Авторы"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::appIcon(32))));
    setFixedSize(ClientWidth, ClientHeight);

    m_portrait = new QLabel(this);
    m_portrait->setObjectName(QStringLiteral("portrait"));
    m_portrait->setGeometry(32, 8, Artwork::PortraitWidth, Artwork::PortraitHeight);
    m_portrait->setPixmap(QPixmap::fromImage(Artwork::portrait(devicePixelRatioF())));

    m_caption = new QLabel(QStringLiteral("caption"), this);
    m_caption->setObjectName(QStringLiteral("caption"));
    m_caption->setGeometry(8, 200, 209, 81);
    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_caption->setMargin(0);
}

void AuthorsWindow::setCaption(const QString& text)
{
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    const QRectF room = m_caption->contentsRect();
    // The blanks that fill a line up to 36 characters may run past the edge;
    // the visible text must not.
    auto fits = [&](const QFont& font) {
        const QFontMetricsF metrics(font);
        if (metrics.lineSpacing() * (lines.size() - 1) + metrics.height() > room.height())
            return false;
        for (const QString& line : lines)
            if (metrics.horizontalAdvance(QStringView(line).trimmed().toString()) > room.width())
                return false;
        return true;
    };
    QFont font(Fonts::sansFamily());
    for (int pixels = 12; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (fits(font))
            break;
    }
    m_caption->setFont(font);
    m_caption->setText(text);
}

QString AuthorsWindow::authorsText()
{
    // Lines 1, 3, 4 and 5 are filled up with blanks to 36 characters, line 2
    // is exactly 36 long and line 6 is left as it is, so that in a fixed-width
    // font the right ends of the first five line up.
    const QString line2 = tr("Авторы: разработчики проекта oildrop");
    Q_ASSERT(line2.size() == LineWidth);
    const QStringList lines = {
        tr("Версия 1.0.0, декабрь 2026 г.").leftJustified(LineWidth),
        line2,
        tr("Учебная модель для студентов").leftJustified(LineWidth),
        tr("Программа на C++ и Qt 6").leftJustified(LineWidth),
        tr("Русский и английский интерфейс").leftJustified(LineWidth),
        tr("Справка: меню «Помощь»"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

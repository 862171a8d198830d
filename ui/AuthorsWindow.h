// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;

/// The small Authors window: a portrait and a caption. A modeless dialog
/// without an owner (screen readers announce it as a window that opened); it
/// deletes itself when closed.
class AuthorsWindow : public QDialog {
    Q_OBJECT

public:
    /// Client area, pixels.
    static constexpr int ClientWidth = 222;
    static constexpr int ClientHeight = 297;
    /// Width the caption lines are filled up to, characters.
    static constexpr int LineWidth = 36;

    AuthorsWindow();

    QLabel* portrait() const { return m_portrait; }
    QLabel* caption() const { return m_caption; }

    /// The six lines of the authors' caption, joined by CR LF.
    static QString authorsText();
    /// Sets the caption, in the largest font size (at most 12 px) at which
    /// every line is wholly visible in the caption label.
    void setCaption(const QString& text);

private:
    QLabel* m_portrait;
    QLabel* m_caption;
};

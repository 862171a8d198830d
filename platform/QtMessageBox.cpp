// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtMessageBox.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

namespace {

/// Line breaks of the texts are CR LF; the box wants plain line feeds.
QString displayed(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

/// A box with a plain text whose every line stays on one line: the box wraps
/// a text wider than half the screen otherwise, and a 15-line text would read
/// as 17. The text label is kept at least as wide as its widest line.
void prepare(QMessageBox& box, const QString& text)
{
    box.setTextFormat(Qt::PlainText);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetricsF metrics(label->font());
        qreal widest = 0;
        for (const QString& line : text.split(u'\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        label->setMinimumWidth(static_cast<int>(std::ceil(widest)) + 2 * label->margin() + 2);
    }
}

#ifdef Q_OS_WASM
// The browser's question (OK, Cancel): whether OK was chosen.
// clang-format off
EM_JS(int, oildrop_confirm, (const char* text), {
    return window.confirm(UTF8ToString(text)) ? 1 : 0;
});
// clang-format on
#endif

} // namespace

void QtMessageBox::showMessage(const QString& title, const QString& text)
{
    const QString shown = displayed(text);
#ifdef Q_OS_WASM
    // A browser's page waits in no handler: the box stays open on its own
    // until it is closed.
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    prepare(*box, shown);
    box->button(QMessageBox::Ok)->setText(tr("ОК"));
    box->open();
#else
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, m_parent);
    prepare(box, shown);
    box.button(QMessageBox::Ok)->setText(tr("ОК"));
    box.exec();
#endif
}

bool QtMessageBox::askYesNo(const QString& title, const QString& text)
{
    const QString shown = displayed(text);
#ifdef Q_OS_WASM
    // A browser's page waits in no handler of its own, but the browser's own
    // question waits for the answer.
    return oildrop_confirm((title + QStringLiteral("\n\n") + shown).toUtf8().constData());
#else
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Yes | QMessageBox::No, m_parent);
    prepare(box, shown);
    box.button(QMessageBox::Yes)->setText(tr("Да"));
    box.button(QMessageBox::No)->setText(tr("Нет"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
#endif
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtMessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

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

/// What a window manager adds around a box, px: its title bar and borders.
/// The box is kept this much smaller than the screen's available area.
constexpr int FrameAllowanceX = 16;
constexpr int FrameAllowanceY = 48;

/// The screen's area a box may take: the parent's screen, or the primary one.
QRect availableArea(const QWidget* parent)
{
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().adjusted(0, 0, -FrameAllowanceX, -FrameAllowanceY) : QRect();
}

/// Whether a text of these lines, in a box with its button, is taller or
/// wider than `area`; the margin is the box's own, with its OK button.
bool tooLarge(const QString& text, const QRect& area)
{
    if (area.isEmpty())
        return false;
    const QFontMetricsF metrics(QApplication::font("QLabel"));
    const QStringList lines = text.split(u'\n');
    qreal widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    constexpr int BoxMarginY = 100, BoxMarginX = 60;
    return lines.size() * metrics.lineSpacing() + BoxMarginY > area.height() || widest + BoxMarginX > area.width();
}

/// A box for a text too large for the screen: the same text in a scroll
/// area, the box as large as the text but no larger than the screen's
/// available area. The arrows and the page keys scroll it, Enter or Escape
/// closes it.
QDialog* scrollingBox(const QString& title, const QString& text, const QString& ok, QWidget* parent)
{
    auto* box = new QDialog(parent);
    box->setWindowTitle(title);
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("boxText"));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setMargin(6);
    auto* scroll = new QScrollArea(box);
    scroll->setWidget(label);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::StrongFocus);
    scroll->setAccessibleName(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
    buttons->button(QDialogButtonBox::Ok)->setText(ok);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    const QRect available = availableArea(parent);
    const QMargins margins = layout->contentsMargins();
    const int scrollBar = scroll->verticalScrollBar()->sizeHint().width();
    const QSize textSize = label->sizeHint();
    const int width = textSize.width() + scrollBar + margins.left() + margins.right();
    const int height =
        textSize.height() + buttons->sizeHint().height() + layout->spacing() + margins.top() + margins.bottom();
    box->resize(std::min(width, available.width()), std::min(height, available.height()));
    scroll->setFocus();
    return box;
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
    if (tooLarge(shown, availableArea(m_parent))) {
#ifdef Q_OS_WASM
        QDialog* box = scrollingBox(title, shown, tr("ОК"), m_parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        box->open();
#else
        const std::unique_ptr<QDialog> box(scrollingBox(title, shown, tr("ОК"), m_parent));
        box->exec();
#endif
        return;
    }
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

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowFixture.h"

#include "LaboratoryWindows.h"
#include "StopwatchWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QWidget>

/// The texts of a window's widgets (hidden ones too: a read-out shows at
/// some moment of a run) that do not fit the room their
/// widget gives them, each as "name «text»: needed of room px": a button's
/// text with its indicator and margins as the style measures them, each line
/// of a label that does not wrap, a group box's title, and each line of a
/// list's items in the list's viewport.
inline QStringList clippedTexts(const QWidget* window)
{
    QStringList clipped;
    const auto check = [&clipped](const QWidget* widget, const QString& text, qreal needed, int room) {
        if (needed > room)
            clipped << QStringLiteral("%1 «%2»: %3 of %4 px").arg(widget->objectName(), text).arg(needed).arg(room);
    };
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window)
            continue;
        const QFontMetricsF metrics(widget->font());
        if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
            // Beside its indicator, in the rectangle the style gives the text.
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            check(widget, box->text(), metrics.horizontalAdvance(box->text()), text.width());
        } else if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            const QRect text = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
            check(widget, radio->text(), metrics.horizontalAdvance(radio->text()), text.width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            check(widget, button->text(), button->sizeHint().width(), button->width());
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->wordWrap() || (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text())))
                continue;
            // A label's mnemonic is underlined, not shown: "&Путь" shows "Путь".
            QString text = label->text();
            if (label->buddy())
                text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
            for (const QString& line : text.split(u'\n'))
                check(widget, line, metrics.horizontalAdvance(line),
                      label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent()));
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            check(widget, group->title(), metrics.horizontalAdvance(group->title()), group->width());
        } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            // An item's text has the style's focus margin on either side.
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            for (int i = 0; i < list->count(); ++i)
                for (const QString& line : list->item(i)->text().split(u'\n'))
                    check(widget, line, metrics.horizontalAdvance(line), list->viewport()->width() - 2 * margin);
        }
    }
    return clipped;
}

/// The texts clipped in the main window and the stopwatch at their default
/// sizes, after a laboratory session has filled them: every read-out
/// holding a value (at −25 kV a limiting velocity is negative: its minus
/// sign is the widest read-out), a drop timed twice (the second timing across
/// the field switched on and reversed) and recorded, and the stopwatch's list
/// holding the longest lines.
inline QStringList clippedTextsOfALabSession(WindowFixture& w)
{
    w.fakes.random.values = {0.25f, 0.65f};
    w.show();
    w.form->menus().laboratoryMode->trigger();
    const StopwatchWindow::Commands& stopwatch = w.form->laboratory().stopwatchCommands();
    w.fakes.timer.during[5] = [&] { stopwatch.startStop->trigger(); };
    w.fakes.timer.during[15] = [&] { stopwatch.lap->trigger(); };
    w.fakes.timer.during[20] = [&] { w.widgets().voltageButton->click(); };
    w.fakes.timer.during[25] = [&] { stopwatch.polarity->trigger(); };
    w.fakes.timer.during[30] = [&] { stopwatch.startStop->trigger(); };
    w.form->laboratory().setVoltage(-25000); // the keys box's advice: a drop that rises
    w.widgets().startButton->click();
    w.holdWhileHeld();
    stopwatch.record->trigger();
    w.form->simulation().experiment().showCharges();
    w.form->simulation().experiment().showVelocities();
    StopwatchWindow* panel = w.form->laboratory().stopwatchWindow();
    QStringList clipped = clippedTexts(w.form.get()) + clippedTexts(panel);
    if (panel->timingsList()->count() != 2)
        clipped << QStringLiteral("%1 timings listed, not 2").arg(panel->timingsList()->count());
    return clipped;
}

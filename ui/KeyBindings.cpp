// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyBindings.h"

#include <QStringList>

QKeySequence KeyBindings::key(Command command)
{
    switch (command) {
    case Command::Start: return QKeySequence(Qt::Key_F5);
    case Command::Voltage: return QKeySequence(Qt::Key_F6);
    case Command::Light: return QKeySequence(Qt::Key_F7);
    case Command::Characteristics: return QKeySequence(Qt::Key_F3);
    case Command::Velocities: return QKeySequence(Qt::Key_F4);
    case Command::StopwatchStartStop: return QKeySequence(Qt::Key_F8);
    case Command::StopwatchLap: return QKeySequence(Qt::Key_F9);
    case Command::StopwatchReset: return QKeySequence(Qt::Key_F11);
    case Command::StopwatchRecord: return QKeySequence(Qt::Key_F12);
    case Command::Polarity: return QKeySequence(Qt::SHIFT | Qt::Key_F6);
    case Command::VoltageUp: return QKeySequence(Qt::Key_PageUp);
    case Command::VoltageDown: return QKeySequence(Qt::Key_PageDown);
    case Command::VoltageUpMore: return QKeySequence(Qt::SHIFT | Qt::Key_PageUp);
    case Command::VoltageDownMore: return QKeySequence(Qt::SHIFT | Qt::Key_PageDown);
    case Command::Balance: return QKeySequence(Qt::SHIFT | Qt::Key_F12);
    case Command::LaboratoryMode: return QKeySequence(Qt::CTRL | Qt::Key_L);
    case Command::Journal: return QKeySequence(Qt::CTRL | Qt::Key_J);
    case Command::CopyImage: return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    case Command::SaveImage: return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    case Command::SaveData: return QKeySequence(Qt::CTRL | Qt::Key_S);
    case Command::Keys: return QKeySequence(Qt::Key_F1);
    case Command::JournalOpen: return QKeySequence(QKeySequence::Open);
    case Command::JournalSave: return QKeySequence(QKeySequence::Save);
    case Command::JournalExport: return QKeySequence(Qt::CTRL | Qt::Key_E);
    case Command::JournalClose: return QKeySequence(Qt::CTRL | Qt::Key_W);
    case Command::JournalAdd: return QKeySequence(Qt::Key_Insert);
    case Command::JournalStrikeOut: return QKeySequence(QKeySequence::Delete);
    case Command::JournalReport: return QKeySequence(Qt::CTRL | Qt::Key_R);
    case Command::JournalPrint: return QKeySequence(QKeySequence::Print);
    case Command::ClassJournals: return QKeySequence(Qt::CTRL | Qt::Key_G);
    case Command::Coach: return QKeySequence(Qt::CTRL | Qt::Key_H);
    case Command::Spray: return QKeySequence(Qt::Key_F2);
    }
    return {};
}

QString KeyBindings::withKey(const QString& toolTip, Command command)
{
    return QStringLiteral("%1 (%2)").arg(toolTip, key(command).toString(QKeySequence::NativeText));
}

QString KeyBindings::title()
{
    return tr("Клавиши");
}

QString KeyBindings::helpText()
{
    const auto k = [](Command c) { return key(c).toString(QKeySequence::NativeText); };
    const QStringList lines = {
        tr("Опыт (где бы ни был фокус):"),
        tr("%1 — ПУСК").arg(k(Command::Start)),
        tr("%1 — НАПРЯЖЕНИЕ").arg(k(Command::Voltage)),
        tr("%1 — СВЕТ").arg(k(Command::Light)),
        tr("%1 — «Характеристики»: заряды на 3 с").arg(k(Command::Characteristics)),
        tr("%1 — «Скорости»: отношение и разность зарядов на 3 с").arg(k(Command::Velocities)),
        QString(),
        tr("Окно:"),
        tr("Tab, Shift+Tab — следующий и предыдущий элемент"),
        tr("Пробел, Enter — нажать кнопку или заголовок в фокусе"),
        tr("Стрелки — перекрестие на графике в фокусе (с Shift — на десятую часть графика)"),
        tr("Клавиша меню, Shift+F10 — меню графика"),
        tr("%1 — копировать изображение").arg(k(Command::CopyImage)),
        tr("%1 — сохранить изображение").arg(k(Command::SaveImage)),
        tr("%1 — сохранить данные графика").arg(k(Command::SaveData)),
        tr("Alt+Ф, Alt+П — меню «Файл» и «Помощь»"),
        QString(),
        tr("Лабораторный режим:"),
        tr("%1 — лабораторный режим").arg(k(Command::LaboratoryMode)),
        tr("%1 — лабораторный журнал").arg(k(Command::Journal)),
        tr("%1 — секундомер: пуск и стоп").arg(k(Command::StopwatchStartStop)),
        tr("%1 — отсечка").arg(k(Command::StopwatchLap)),
        tr("%1 — сброс секундомера").arg(k(Command::StopwatchReset)),
        tr("%1 — записать промежутки в журнал").arg(k(Command::StopwatchRecord)),
        tr("%1 — НАПРЯЖЕНИЕ: поле удерживаемой капли включить и выключить").arg(k(Command::Voltage)),
        tr("%1 — полярность поля: прямая или обратная").arg(k(Command::Polarity)),
        tr("%1 — напряжение больше на 1 % (в главном окне и в секундомере)").arg(k(Command::VoltageUp)),
        tr("%1 — напряжение меньше на 1 %").arg(k(Command::VoltageDown)),
        tr("%1 — напряжение больше на 10 %").arg(k(Command::VoltageUpMore)),
        tr("%1 — напряжение меньше на 10 %").arg(k(Command::VoltageDownMore)),
        tr("%1 — капля висит: записать напряжение равновесия в журнал").arg(k(Command::Balance)),
        tr("%1 — подсказка в окне секундомера: показать и скрыть").arg(k(Command::Coach)),
        tr("%1 — распылить капли и смотреть в микроскоп").arg(k(Command::Spray)),
        QString(),
        tr("Подсказка ведёт по шагам: замедление 9; ПУСК; путь 5 дел.; медленная капля; поле и напряжение, "),
        tr("пока капля не поднимается так же быстро, как падала; три падения и три подъёма, каждый в журнал (F12);"),
        tr("поле выключить и облучить; второе состояние; новая капля; при 7 надёжных зарядах — читать e."),
        QString(),
        tr("Как удержать каплю и найти e:"),
        tr("замедление 9; напряжение для начала около −25 кВ (в Ux= цифры 25000 вместо 5085, или 17 раз Shift+PgUp);"),
        tr("путь секундомера 5 дел.: от 2-й до 7-й линии;"),
        tr("поле включите, когда капля опустится ниже 8-й линии, выключите, когда поднимется выше 1-й;"),
        tr("падает быстрее, чем без поля — смените полярность; не поднимается — прибавьте напряжение;"),
        tr("засеките не меньше трёх падений без поля и трёх подъёмов в поле, затем облучите каплю и повторите;"),
        tr("метод равновесия: поворачивайте напряжение, пока капля не повиснет, и запишите его;"),
        tr("для оценки e нужно не меньше 7 надёжных зарядов — например, 10 капель по 2 заряда."),
        QString(),
        tr("Окно лабораторного журнала:"),
        tr("%1 — открыть журнал").arg(k(Command::JournalOpen)),
        tr("%1 — сохранить журнал").arg(k(Command::JournalSave)),
        tr("%1 — экспорт таблицы").arg(k(Command::JournalExport)),
        tr("%1 — закрыть окно журнала").arg(k(Command::JournalClose)),
        tr("%1 — добавить измерение (в таблице)").arg(k(Command::JournalAdd)),
        tr("%1 — удалить (зачеркнуть) измерение").arg(k(Command::JournalStrikeOut)),
        tr("%1 — отчёт о работе (PDF)").arg(k(Command::JournalReport)),
        tr("%1 — печать отчёта").arg(k(Command::JournalPrint)),
        tr("%1 — журналы группы: открыть сразу много, сводка и отчёт группы").arg(k(Command::ClassJournals)),
        QString(),
        tr("%1 — этот список").arg(k(Command::Keys)),
    };
    return lines.join(QLatin1Char('\n'));
}

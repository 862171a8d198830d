// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LabReport.h"

#include "ChargePlots.h"
#include "DropSummaryModel.h"
#include "JournalFlags.h"
#include "JournalModel.h"
#include "MeasuredDrops.h"
#include "PagedReport.h"

#include <QPainter>

#include <algorithm>

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

/// A model as an HTML table: its header and its cells, rows marked by `rowStyle`.
QString tableOf(const QAbstractItemModel& model, const std::function<QString(int row)>& rowStyle = {})
{
    // The headings a point smaller than the cells: a heading's longest word
    // sets its column's least width, and a column narrower breaks it.
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\" width=\"100%\" style=\"font-size: 7pt\"><tr>");
    for (int c = 0; c < model.columnCount(); ++c)
        html += QStringLiteral("<th style=\"font-size: 6pt\">%1</th>")
                    .arg(escaped(model.headerData(c, Qt::Horizontal).toString()));
    html += QStringLiteral("</tr>");
    for (int r = 0; r < model.rowCount(); ++r) {
        const QString style = rowStyle ? rowStyle(r) : QString();
        html += QStringLiteral("<tr>");
        for (int c = 0; c < model.columnCount(); ++c) {
            const QString cell = escaped(model.index(r, c).data().toString());
            html += style.isEmpty() || c == model.columnCount() - 1
                        ? QStringLiteral("<td>%1</td>").arg(cell)
                        : QStringLiteral("<td style=\"%1\">%2</td>").arg(style, cell);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

LabReport::LabReport(const JournalModel& model, QString analysis, QDate date)
    : m_model(model), m_analysis(std::move(analysis)), m_date(date)
{
}

QString LabReport::setupTable() const
{
    const QLocale& l = m_model.locale();
    // The headings a point smaller than the cells, as in the other tables.
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\" width=\"100%\" style=\"font-size: 7pt\"><tr>");
    // The air, for a journal with drops that had it.
    const Journal& journal = m_model.journal();
    const std::vector<JournalDrop>& drops = journal.drops;
    const bool air = std::any_of(drops.begin(), drops.end(), [&journal](const JournalDrop& d) {
        return d.pressure.has_value() && MeasuredDrops::measured(journal, d.number);
    });
    QStringList headings = {tr("Капля"),    tr("Пуск"),      tr("D, мм"),     tr("U, В"),        tr("d, мкм"),
                            tr("ρ, кг/м³"), tr("ρ₀, кг/м³"), tr("η, мкПа·с"), tr("Броуновское"), tr("Потеряна")};
    if (air)
        headings << tr("p, кПа") << tr("t, °C") << tr("Поправка на скольжение");
    for (const QString& heading : headings)
        html += QStringLiteral("<th style=\"font-size: 6pt\">%1</th>").arg(escaped(heading));
    html += QStringLiteral("</tr>");
    // The drops measured: the others are counted below the table.
    for (const JournalDrop& d : journal.drops) {
        if (!MeasuredDrops::measured(journal, d.number))
            continue;
        QStringList cells = {
            QString::number(d.number),
            d.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")),
            l.toString(d.setup.DD * 1e3, 'f', 2),
            l.toString(d.setup.Ux, 'f', 0),
            d.diameterHidden ? tr("неизвестен") : l.toString(d.setup.d * 1e6, 'f', 3),
            l.toString(d.setup.r, 'f', 0),
            l.toString(d.setup.r0, 'f', 2),
            l.toString(static_cast<double>(d.setup.eta) * 1e6, 'f', 2),
            d.brownian ? tr("да") : tr("нет"),
            d.lost ? tr("да") : tr("нет"),
        };
        if (air) {
            const auto value = [&l](const std::optional<double>& v, double offset, double scale, int decimals) {
                return v ? l.toString((*v - offset) * scale, 'f', decimals) : QStringLiteral("—");
            };
            cells << value(d.pressure, 0, 1e-3, 2) << value(d.temperature, 273.15, 1, 1)
                  << (d.slipCorrection ? tr("да") : tr("нет"));
        }
        html += QStringLiteral("<tr>");
        for (const QString& cell : cells)
            html += QStringLiteral("<td>%1</td>").arg(escaped(cell));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    const int others = static_cast<int>(drops.size()) - MeasuredDrops::count(journal);
    if (others > 0)
        html += QStringLiteral("<p>%1</p>")
                    .arg(escaped(MeasuredDrops::plural(tr("Ещё %n капля не измерена или потеряна.|Ещё %n капли не "
                                                          "измерены или потеряны.|Ещё %n капель не измерено или "
                                                          "потеряно.",
                                                          nullptr, others),
                                                       others)));
    return html;
}

QString LabReport::measurementTable() const
{
    const Journal& journal = m_model.journal();
    return tableOf(m_model, [&journal](int row) {
        return journal.entries[static_cast<std::size_t>(row)].deleted
                   ? QStringLiteral("text-decoration: line-through; color: #808080")
                   : QString();
    });
}

QString LabReport::summaryTable() const
{
    const DropSummaryModel summary(m_model);
    return tableOf(summary);
}

QString LabReport::html() const
{
    const Journal& journal = m_model.journal();
    const auto orDash = [](const QString& text) { return text.isEmpty() ? QStringLiteral("—") : text; };
    QString html = QStringLiteral("<html><body style=\"font-size: 9pt\">");
    html += QStringLiteral("<h2 align=\"center\">%1</h2>").arg(escaped(tr("Измерение элементарного заряда")));
    html += QStringLiteral("<p align=\"center\">%1</p>").arg(escaped(tr("Отчёт о лабораторной работе")));
    html += QStringLiteral("<p><b>%1</b> %2<br><b>%3</b> %4<br><b>%5</b> %6</p>")
                .arg(escaped(tr("Студент:")), escaped(orDash(journal.student)), escaped(tr("Группа:")),
                     escaped(orDash(journal.group)), escaped(tr("Дата:")), escaped(m_date.toString(Qt::ISODate)));

    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(escaped(tr("Метод")),
                     escaped(tr("Заряженная капля масла движется между пластинами конденсатора. Без поля она падает "
                                "с постоянной скоростью v_g, при которой сила тяжести за вычетом выталкивающей "
                                "уравновешена вязким трением (закон Стокса); по v_g находят её радиус и массу. В поле "
                                "E = U/D скорость становится v_E, и заряд капли q = m·g·(v_E − v_g)/(v_g·E). "
                                "Облучая каплю, меняют её заряд; все заряды и их изменения кратны одному e, которое "
                                "находится как наибольший общий делитель зарядов с учётом их неопределённостей.")));

    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Установка: капли")));
    if (journal.drops.empty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(tr("Капель нет.")));
    else if (MeasuredDrops::count(journal) == 0)
        html += QStringLiteral("<p>%1</p>")
                    .arg(escaped(MeasuredDrops::plural(tr("%n капля запущена, но не измерена.|%n капли запущены, но не "
                                                          "измерены.|%n капель запущено, но не измерено.",
                                                          nullptr, static_cast<int>(journal.drops.size())),
                                                       static_cast<int>(journal.drops.size()))));
    else
        html += setupTable();

    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Измерения")));
    if (journal.entries.empty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(tr("Измерений нет.")));
    else
        html += QStringLiteral("<p>%1</p>")
                    .arg(escaped(tr("Зачёркнутые измерения не использованы; причина — в "
                                    "последнем столбце.")))
                + measurementTable();

    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Средние по каплям и состояниям заряда")));
    html += summaryTable();

    // The mistakes a teacher marks: the journal's flags, each with what to do.
    const std::vector<JournalFlags::Flag> flags = JournalFlags::check(journal, m_model.analysis());
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Замечания")));
    if (flags.empty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(tr("Замечаний нет.")));
    for (const JournalFlags::Flag& f : flags)
        html += QStringLiteral("<p style=\"margin-top: 0; margin-bottom: 0\">%1</p>")
                    .arg(escaped(tr("Капля %1, облучений %2 — %3: %4")
                                     .arg(f.drop)
                                     .arg(f.chargeState)
                                     .arg(JournalFlags::title(f.code), f.text)));

    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Результат")));
    // A paragraph a line, wrapped within the page; the lines indented under
    // an estimate's heading stay indented.
    for (const QString& line : m_analysis.split(QLatin1Char('\n'))) {
        const bool indented = line.startsWith(QLatin1Char(' '));
        html += QStringLiteral("<p style=\"margin-top: 0; margin-bottom: 0; margin-left: %1px\">%2</p>")
                    .arg(indented ? 60 : 0)
                    .arg(escaped(line.trimmed()));
    }
    html += QStringLiteral("<p>%1</p>").arg(escaped(tr("Графики — на последней странице.")));
    return html + QStringLiteral("</body></html>");
}

int LabReport::print(QPagedPaintDevice& device) const
{
    const ChargePlots::Data data = ChargePlots::dataOf(m_model.analysis());
    return PagedReport::print(device, html(), [&](QPainter& painter, const QRectF& page) {
        // The two plots one above the other, as vector drawing.
        const double gap = page.height() / 30;
        const QRectF upper(0, 0, page.width(), (page.height() - gap) / 2);
        const QRectF lower(0, upper.bottom() + gap, page.width(), upper.height());
        if (data.charges.empty()) {
            painter.drawText(upper, Qt::AlignCenter | Qt::TextWordWrap, tr("Зарядов нет: графиков нет."));
            return;
        }
        ChargePlots::paintHistogram(painter, upper, data, m_model.locale());
        ChargePlots::paintByDrop(painter, lower, data, m_model.locale());
    });
}

QString LabReport::writePdf(const QString& path) const
{
    return PagedReport::writePdf(path, tr("Измерение элементарного заряда"),
                                 [&](QPagedPaintDevice& device) { print(device); });
}

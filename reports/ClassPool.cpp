// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassPool.h"

#include "AnalysisWording.h"
#include "AtomicFile.h"
#include "ChargePlots.h"
#include "ChargeUnits.h"
#include "JournalFile.h"
#include "JournalTable.h"
#include "MeasuredDrops.h"
#include "PagedReport.h"
#include "RunTable.h"

#include <QDataStream>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ChargeUnit = ChargeUnits::ChargeUnit;

QString escapedHtml(const QString& text)
{
    return text.toHtmlEscaped();
}

/// A journal's measurements, whoever made them: every timing (kept or struck
/// out) with the setup of its drop, in the journal's order. Empty for a
/// journal without one: two of those are no copies of each other.
QByteArray measurementsOf(const Journal& journal)
{
    QByteArray bytes;
    if (journal.entries.empty())
        return bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const auto optional = [&out](const std::optional<double>& v) { out << v.has_value() << v.value_or(0.0); };
    for (const JournalEntry& e : journal.entries) {
        out << e.drop << static_cast<int>(e.field) << e.chargeState << static_cast<int>(e.source) << e.deleted
            << e.uncertainty;
        optional(e.voltage);
        optional(e.bands);
        optional(e.distance);
        optional(e.time);
        optional(e.velocity);
        if (const JournalDrop* d = journal.drop(e.drop)) {
            out << d->setup.DD << d->setup.Ux << d->setup.d << d->setup.r << d->setup.r0
                << static_cast<double>(d->setup.eta) << d->diameterHidden << d->slipCorrection;
            optional(d->pressure);
            optional(d->temperature);
            optional(d->fallDistance);
        }
    }
    return bytes;
}

} // namespace

void ClassPool::add(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_refused.push_back({path, file.errorString()});
        return;
    }
    add(path, file.read(JournalFile::MaxSize + 1));
}

void ClassPool::add(const QString& path, const QByteArray& bytes)
{
    auto read = JournalFile::read(bytes);
    if (const QString* reason = std::get_if<QString>(&read)) {
        m_refused.push_back({path, *reason});
        return;
    }
    Journal& journal = std::get<Journal>(read);
    const JournalAnalysis::Result analysis = JournalAnalysis::analyse(journal);
    Member m;
    m.path = path;
    m.student = journal.student;
    m.group = journal.group;
    m.drops = MeasuredDrops::count(journal);
    m.chargesUsed = static_cast<int>(analysis.fromCharges.used.size());
    m.estimate = analysis.fromCharges;
    m_measurements.push_back(measurementsOf(journal));
    // The first journal with the same measurements stays; this one is its copy.
    if (!m_measurements.back().isEmpty())
        for (std::size_t i = 0; i + 1 < m_measurements.size(); ++i)
            if (!m_members[i].copyOf && m_measurements[i] == m_measurements.back()) {
                m.copyOf = i;
                break;
            }
    m_members.push_back(std::move(m));
    m_journals.push_back(std::move(journal));
}

int ClassPool::pooledMembers() const
{
    return static_cast<int>(
        std::count_if(m_members.begin(), m_members.end(), [](const Member& m) { return !m.copyOf; }));
}

QString ClassPool::copyText(const Member& copy) const
{
    if (!copy.copyOf)
        return {};
    const Member& original = m_members[*copy.copyOf];
    const auto named = [](const Member& m) {
        const QString file = QFileInfo(m.path).fileName();
        return m.student.isEmpty() ? tr("«%1»").arg(file) : tr("«%1» (%2)").arg(file, m.student);
    };
    return tr("%1 — копия: те же измерения, что в %2; в общую оценку не вошёл").arg(named(copy), named(original));
}

void ClassPool::pool()
{
    // One journal of every drop: each file's drops numbered on after the
    // last file's, so that a drop keeps its own free fall and charges.
    m_pooled = {};
    int offset = 0;
    for (std::size_t i = 0; i < m_journals.size(); ++i) {
        // A copy's charges are its original's: counted once.
        if (m_members[i].copyOf)
            continue;
        const Journal& journal = m_journals[i];
        int last = offset;
        for (JournalDrop d : journal.drops) {
            d.number += offset;
            last = std::max(last, d.number);
            m_pooled.drops.push_back(d);
        }
        for (JournalEntry e : journal.entries) {
            e.drop += offset;
            m_pooled.entries.push_back(std::move(e));
        }
        offset = last;
    }
    m_journals.clear();
    m_measurements.clear();
    m_analysis = JournalAnalysis::analyse(m_pooled);
}

QString ClassPool::estimateText(const ElementaryChargeEstimate::Result& e, const QLocale& locale)
{
    if (!e.valid())
        return QStringLiteral("—");
    const int decimals =
        e.expanded > 0 ? std::clamp(1 - static_cast<int>(std::floor(std::log10(e.expanded / ChargeUnit))), 0, 6) : 3;
    return tr("(%1 ± %2)·10⁻¹⁹ Кл")
        .arg(locale.toString(e.e / ChargeUnit, 'f', decimals), locale.toString(e.expanded / ChargeUnit, 'f', decimals));
}

QString ClassPool::noEstimateText(const ElementaryChargeEstimate::Result& e)
{
    if (e.valid())
        return {};
    return tr("оценки нет — %1").arg(AnalysisWording::noEstimateReason(e));
}

QString ClassPool::deviationText(const ElementaryChargeEstimate::Result& e, const QLocale& locale)
{
    if (!e.valid())
        return QStringLiteral("—");
    const double exact = ChargeUnits::ElementaryCharge;
    return tr("%1 %").arg(locale.toString((e.e - exact) / exact * 100, 'f', 2));
}

QByteArray ClassPool::csv(const QLocale& locale) const
{
    const bool decimalComma = locale.decimalPoint() == QStringLiteral(",");
    const char point = decimalComma ? ',' : '.';
    const char separator = decimalComma ? ';' : ',';
    const QStringList header = {tr("файл"),          tr("студент"),          tr("группа"),
                                tr("капель"),        tr("зарядов в оценке"), tr("e (Кл)"),
                                tr("U (k = 2, Кл)"), tr("отклонение (%)"),   tr("почему оценки нет"),
                                tr("копия журнала"), tr("причина отказа")};
    QByteArrayList fields;
    for (const QString& h : header)
        fields << JournalTable::field(h, separator);
    QByteArray out = fields.join(separator) + '\n';
    for (const Member& m : m_members) {
        const double exact = ChargeUnits::ElementaryCharge;
        const bool found = m.estimate.valid();
        out += QByteArrayList{JournalTable::field(QFileInfo(m.path).fileName(), separator),
                              JournalTable::field(m.student, separator),
                              JournalTable::field(m.group, separator),
                              QByteArray::number(m.drops),
                              QByteArray::number(m.chargesUsed),
                              found ? RunTable::number(m.estimate.e, point) : QByteArray(),
                              found ? RunTable::number(m.estimate.expanded, point) : QByteArray(),
                              found ? RunTable::number((m.estimate.e - exact) / exact * 100, point) : QByteArray(),
                              found ? QByteArray()
                                    : JournalTable::field(AnalysisWording::noEstimateReason(m.estimate), separator),
                              m.copyOf ? JournalTable::field(QFileInfo(m_members[*m.copyOf].path).fileName(), separator)
                                       : QByteArray(),
                              QByteArray()}
                   .join(separator)
               + '\n';
    }
    for (const Refused& r : m_refused)
        out += QByteArrayList{JournalTable::field(QFileInfo(r.path).fileName(), separator),
                              {},
                              {},
                              {},
                              {},
                              {},
                              {},
                              {},
                              {},
                              {},
                              JournalTable::field(r.reason, separator)}
                   .join(separator)
               + '\n';
    return out;
}

QString ClassPool::html(const QLocale& locale) const
{
    QString html = QStringLiteral("<html><body style=\"font-size: 9pt\">");
    html += QStringLiteral("<h2 align=\"center\">%1</h2>")
                .arg(escapedHtml(tr("Измерение элементарного заряда: сводка группы")));
    QStringList groups;
    for (const Member& m : m_members)
        if (!m.group.isEmpty() && !groups.contains(m.group))
            groups << m.group;
    html += QStringLiteral("<p><b>%1</b> %2<br><b>%3</b> %4</p>")
                .arg(escapedHtml(tr("Группа:")),
                     escapedHtml(groups.isEmpty() ? QStringLiteral("—") : groups.join(QStringLiteral(", "))),
                     escapedHtml(tr("Дата:")), escapedHtml(QDate::currentDate().toString(Qt::ISODate)));

    const ElementaryChargeEstimate::Result& e = m_analysis.fromCharges;
    html += QStringLiteral("<h3>%1</h3>").arg(escapedHtml(tr("По всем зарядам вместе")));
    if (e.valid())
        html += QStringLiteral("<p>%1</p>")
                    .arg(escapedHtml(tr("e = %1 (расширенная неопределённость, k = 2); использовано зарядов: %2 из %3, "
                                        "журналов: %4; отклонение от 1,602 176 634·10⁻¹⁹ Кл: %5")
                                         .arg(estimateText(e, locale))
                                         .arg(e.used.size())
                                         .arg(m_analysis.charges.size())
                                         .arg(pooledMembers())
                                         .arg(deviationText(e, locale))));
    else
        html += QStringLiteral("<p>%1</p>")
                    .arg(escapedHtml(tr("Оценки нет (зарядов %1, журналов: %2): %3.")
                                         .arg(m_analysis.charges.size())
                                         .arg(pooledMembers())
                                         .arg(AnalysisWording::noEstimateReason(e))));
    const int copies = static_cast<int>(m_members.size()) - pooledMembers();
    if (copies > 0)
        html += QStringLiteral("<p>%1</p>")
                    .arg(escapedHtml(MeasuredDrops::plural(
                        tr("%n журнал — копия другого: в оценку не вошёл (ниже).|%n журнала — копии других: в оценку "
                           "не вошли (ниже).|%n журналов — копии других: в оценку не вошли (ниже).",
                           nullptr, copies),
                        copies)));

    html += QStringLiteral("<h3>%1</h3>").arg(escapedHtml(tr("Журналы")));
    html += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" style=\"font-size: 8pt\"><tr>");
    // The columns' shares of the width: the numbers' narrow, e's (or the reason's) wide.
    const std::pair<QString, int> headings[] = {
        {tr("Файл"), 17},      {tr("Студент"), 16},          {tr("Группа"), 9},
        {tr("Капель"), 8},     {tr("Зарядов в оценке"), 10}, {tr("e ± U (k = 2)"), 27},
        {tr("Отклонение"), 13}};
    for (const auto& [h, width] : headings)
        html += QStringLiteral("<th width=\"%1%\">%2</th>").arg(width).arg(escapedHtml(h));
    html += QStringLiteral("</tr>");
    for (const Member& m : m_members) {
        html += QStringLiteral("<tr>");
        const QString file =
            m.copyOf
                ? tr("%1 (копия %2)").arg(QFileInfo(m.path).fileName(), QFileInfo(m_members[*m.copyOf].path).fileName())
                : QFileInfo(m.path).fileName();
        for (const QString& cell : {file, m.student, m.group, QString::number(m.drops), QString::number(m.chargesUsed)})
            html += QStringLiteral("<td>%1</td>").arg(escapedHtml(cell));
        // Without an estimate, why: over the two cells of e and its deviation.
        if (m.estimate.valid())
            html +=
                QStringLiteral("<td>%1</td><td>%2</td>")
                    .arg(escapedHtml(estimateText(m.estimate, locale)), escapedHtml(deviationText(m.estimate, locale)));
        else
            html += QStringLiteral("<td colspan=\"2\">%1</td>").arg(escapedHtml(noEstimateText(m.estimate)));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    QStringList copyLines;
    for (const Member& m : m_members)
        if (m.copyOf)
            copyLines << copyText(m);
    if (!copyLines.isEmpty()) {
        html += QStringLiteral("<h3>%1</h3><ul>").arg(escapedHtml(tr("Копии")));
        for (const QString& copy : copyLines)
            html += QStringLiteral("<li>%1.</li>").arg(escapedHtml(copy));
        html += QStringLiteral("</ul>");
    }
    if (!m_refused.empty()) {
        html += QStringLiteral("<h3>%1</h3><ul>").arg(escapedHtml(tr("Не прочитаны")));
        for (const Refused& r : m_refused)
            html += QStringLiteral("<li>%1: %2</li>")
                        .arg(escapedHtml(QDir::toNativeSeparators(r.path)), escapedHtml(r.reason));
        html += QStringLiteral("</ul>");
    }
    html += QStringLiteral("<p>%1</p>").arg(escapedHtml(tr("Гистограмма всех зарядов — на последней странице.")));
    return html + QStringLiteral("</body></html>");
}

QString ClassPool::writePdf(const QString& path, const QLocale& locale) const
{
    const QString text = html(locale);
    return PagedReport::writePdf(path, tr("Сводка группы"), [&](QPagedPaintDevice& device) {
        PagedReport::print(device, text, [&](QPainter& painter, const QRectF& page) {
            // The histogram of every charge, as vector drawing.
            const QRectF upper(0, 0, page.width(), page.height() / 2);
            if (m_analysis.charges.empty())
                painter.drawText(upper, Qt::AlignCenter | Qt::TextWordWrap, tr("Зарядов нет: гистограммы нет."));
            else
                ChargePlots::paintHistogram(painter, upper, ChargePlots::dataOf(m_analysis), locale);
        });
    });
}

QString ClassPool::writeCsv(const QString& path, const QLocale& locale) const
{
    return AtomicFile::write(path, csv(locale));
}

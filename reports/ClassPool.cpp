// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassPool.h"

#include "ChargePlots.h"
#include "ChargeUnits.h"
#include "JournalFile.h"
#include "PagedReport.h"
#include "RunTable.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ChargeUnit = ChargeUnits::ChargeUnit;

QByteArray csvField(const QString& text, char separator)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(separator) || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

QString escapedHtml(const QString& text)
{
    return text.toHtmlEscaped();
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
    m.drops = static_cast<int>(journal.drops.size());
    m.chargesUsed = static_cast<int>(analysis.fromCharges.used.size());
    m.estimate = analysis.fromCharges;
    m_members.push_back(std::move(m));
    m_journals.push_back(std::move(journal));
}

void ClassPool::pool()
{
    // One journal of every drop: each file's drops numbered on after the
    // last file's, so that a drop keeps its own free fall and charges.
    m_pooled = {};
    int offset = 0;
    for (const Journal& journal : m_journals) {
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
                                tr("U (k = 2, Кл)"), tr("отклонение (%)"),   tr("причина отказа")};
    QByteArrayList fields;
    for (const QString& h : header)
        fields << csvField(h, separator);
    QByteArray out = fields.join(separator) + '\n';
    for (const Member& m : m_members) {
        const double exact = ChargeUnits::ElementaryCharge;
        const bool found = m.estimate.valid();
        out += QByteArrayList{csvField(QFileInfo(m.path).fileName(), separator),
                              csvField(m.student, separator),
                              csvField(m.group, separator),
                              QByteArray::number(m.drops),
                              QByteArray::number(m.chargesUsed),
                              found ? RunTable::number(m.estimate.e, point) : QByteArray(),
                              found ? RunTable::number(m.estimate.expanded, point) : QByteArray(),
                              found ? RunTable::number((m.estimate.e - exact) / exact * 100, point) : QByteArray(),
                              QByteArray()}
                   .join(separator)
               + '\n';
    }
    for (const Refused& r : m_refused)
        out += QByteArrayList{csvField(QFileInfo(r.path).fileName(), separator),
                              {},
                              {},
                              {},
                              {},
                              {},
                              {},
                              {},
                              csvField(r.reason, separator)}
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
                                         .arg(m_members.size())
                                         .arg(deviationText(e, locale))));
    else
        html +=
            QStringLiteral("<p>%1</p>").arg(escapedHtml(tr("Оценки нет: зарядов %1.").arg(m_analysis.charges.size())));

    html += QStringLiteral("<h3>%1</h3>").arg(escapedHtml(tr("Журналы")));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>");
    for (const QString& h : {tr("Файл"), tr("Студент"), tr("Группа"), tr("Капель"), tr("Зарядов в оценке"),
                             tr("e ± U (k = 2)"), tr("Отклонение")})
        html += QStringLiteral("<th>%1</th>").arg(escapedHtml(h));
    html += QStringLiteral("</tr>");
    for (const Member& m : m_members) {
        html += QStringLiteral("<tr>");
        for (const QString& cell :
             {QFileInfo(m.path).fileName(), m.student, m.group, QString::number(m.drops),
              QString::number(m.chargesUsed), estimateText(m.estimate, locale), deviationText(m.estimate, locale)})
            html += QStringLiteral("<td>%1</td>").arg(escapedHtml(cell));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = csv(locale);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

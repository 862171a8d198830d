// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GradeReport.h"

#include "AtomicFile.h"
#include "ChargeUnits.h"
#include "ClassPool.h"
#include "GradeBook.h"
#include "PagedReport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

/// Bins of the histogram: 0.5 % of e each, ±5 % around it; the outer ones hold all beyond.
constexpr int HistogramBins = 20;
constexpr double BinWidth = 0.005;

QString withoutSuffix(const QString& path)
{
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? path.chopped(4) : path;
}

} // namespace

QString GradeReport::gradebookPath(const QString& csvPath)
{
    return withoutSuffix(csvPath) + QStringLiteral("-gradebook.csv");
}

QString GradeReport::summaryPath(const QString& csvPath)
{
    return withoutSuffix(csvPath) + QStringLiteral(".pdf");
}

QString GradeReport::html(const GradeBook& book, const QLocale& locale)
{
    const auto escaped = [](const QString& text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<html><body style=\"font-size: 9pt\">");
    html += QStringLiteral("<h2 align=\"center\">%1</h2>")
                .arg(escaped(tr("Измерение элементарного заряда: оценки по заданию")));
    const int students = static_cast<int>(book.grades().size());
    const int flagged = static_cast<int>(std::count_if(book.grades().begin(), book.grades().end(),
                                                       [](const StudentGrade& g) { return !g.flags.empty(); }));
    html += QStringLiteral("<p><b>%1</b> %2<br>%3</p>")
                .arg(escaped(tr("Дата:")), escaped(QDate::currentDate().toString(Qt::ISODate)),
                     escaped(tr("Студентов: %1; журналов оценено: %2; не сдали: %3; с замечаниями: %4.")
                                 .arg(students)
                                 .arg(book.journalsGraded())
                                 .arg(students - book.journalsGraded())
                                 .arg(flagged)));
    const Rubric& r = book.assignment().rubric;
    html += QStringLiteral("<p>%1</p>")
                .arg(escaped(tr("Оценка из 100: точность e (полностью при отклонении до 1 %, ноль от 5 %) — %1, "
                                "U покрывает e — %2, надёжные заряды (полностью от %3) — %4, честность отсчётов — %5 "
                                "(доли суммы весов).")
                                 .arg(locale.toString(r.accuracy), locale.toString(r.coverage))
                                 .arg(GradeBook::FullCharges)
                                 .arg(locale.toString(r.charges), locale.toString(r.integrity))));

    html += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" style=\"font-size: 8pt\"><tr>");
    const std::pair<QString, int> headings[] = {{tr("Студент"), 15},    {tr("Журнал"), 10}, {tr("e ± U (k = 2)"), 23},
                                                {tr("Отклонение"), 14}, {tr("Капель"), 8},  {tr("Зарядов"), 9},
                                                {tr("Замечания"), 13},  {tr("Оценка"), 8}};
    for (const auto& [h, width] : headings)
        html += QStringLiteral("<th width=\"%1%\">%2</th>").arg(width).arg(escaped(h));
    html += QStringLiteral("</tr>");
    for (const StudentGrade& g : book.grades()) {
        html += QStringLiteral("<tr><td>%1 (%2)</td>").arg(escaped(g.student.name), escaped(g.student.id));
        if (g.journal.isEmpty()) {
            html += QStringLiteral("<td colspan=\"7\">%1</td></tr>").arg(escaped(g.note));
            continue;
        }
        html += QStringLiteral("<td>%1</td>").arg(escaped(QFileInfo(g.journal).fileName()));
        if (g.estimate.valid())
            html += QStringLiteral("<td>%1</td><td>%2</td>")
                        .arg(escaped(ClassPool::estimateText(g.estimate, locale)),
                             escaped(ClassPool::deviationText(g.estimate, locale)));
        else
            html += QStringLiteral("<td colspan=\"2\">%1</td>").arg(escaped(ClassPool::noEstimateText(g.estimate)));
        html += QStringLiteral("<td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(g.drops)
                    .arg(g.estimate.certain)
                    .arg(escaped(GradeBook::flagSummary(g)))
                    .arg(g.grade ? QString::number(std::lround(*g.grade)) : QStringLiteral("—"));
    }
    html += QStringLiteral("</table>");

    // Each flag with its reason: what the teacher looks into.
    constexpr std::size_t ShownFlags = 12;
    bool heading = false;
    for (const StudentGrade& g : book.grades()) {
        if (g.flags.empty() && (g.note.isEmpty() || g.journal.isEmpty()))
            continue;
        if (!heading) {
            html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Замечания")));
            heading = true;
        }
        html += QStringLiteral("<p><b>%1 (%2)</b></p><ul>").arg(escaped(g.student.name), escaped(g.student.id));
        if (!g.note.isEmpty())
            html += QStringLiteral("<li>%1</li>").arg(escaped(g.note));
        for (std::size_t i = 0; i < std::min(g.flags.size(), ShownFlags); ++i) {
            const TimingAudit::Flag& f = g.flags[i];
            const QString where = f.drop > 0 ? (f.entry >= 0 ? tr("капля %1, запись %2: ").arg(f.drop).arg(f.entry + 1)
                                                             : tr("капля %1: ").arg(f.drop))
                                             : QString();
            html += QStringLiteral("<li>%1%2: %3</li>").arg(escaped(where), TimingAudit::key(f.code), escaped(f.text));
        }
        if (g.flags.size() > ShownFlags)
            html +=
                QStringLiteral("<li>%1</li>").arg(escaped(tr("и ещё замечаний: %1").arg(g.flags.size() - ShownFlags)));
        html += QStringLiteral("</ul>");
    }
    if (!book.refused().empty()) {
        html += QStringLiteral("<h3>%1</h3><ul>").arg(escaped(tr("Не оценены")));
        for (const GradeBook::Refused& f : book.refused())
            html += QStringLiteral("<li>%1: %2</li>").arg(escaped(QDir::toNativeSeparators(f.path)), escaped(f.reason));
        html += QStringLiteral("</ul>");
    }
    html += QStringLiteral("<p>%1</p>").arg(escaped(tr("Гистограмма значений e по группе — на последней странице.")));
    return html + QStringLiteral("</body></html>");
}

void GradeReport::paintHistogram(QPainter& painter, const QRectF& area, const GradeBook& book, const QLocale& locale)
{
    const double exact = ChargeUnits::ElementaryCharge;
    std::array<int, HistogramBins> counts{};
    for (const StudentGrade& g : book.grades())
        if (g.estimate.valid()) {
            const int bin = static_cast<int>(std::floor((g.estimate.e - exact) / exact / BinWidth)) + HistogramBins / 2;
            ++counts[static_cast<std::size_t>(std::clamp(bin, 0, HistogramBins - 1))];
        }
    const int most = std::max(1, *std::max_element(counts.begin(), counts.end()));
    painter.save();
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    painter.drawText(QRectF(area.left(), area.top(), area.width(), 1.5 * line), Qt::AlignHCenter | Qt::AlignTop,
                     tr("Значения e по группе, число студентов на 0,5 % (крайние столбцы — всё, что дальше 5 %)"));
    const QRectF plot(area.left() + 3 * line, area.top() + 2 * line, area.width() - 4 * line, area.height() - 5 * line);
    const double barWidth = plot.width() / HistogramBins;
    painter.setPen(QPen(Qt::black, 0));
    for (int i = 0; i < HistogramBins; ++i) {
        const int n = counts[static_cast<std::size_t>(i)];
        if (n == 0)
            continue;
        const double h = plot.height() * n / most;
        const QRectF bar(plot.left() + i * barWidth, plot.bottom() - h, barWidth, h);
        painter.fillRect(bar, QColor(70, 110, 180));
        painter.drawRect(bar);
        painter.drawText(QRectF(bar.left(), bar.top() - line, barWidth, line), Qt::AlignCenter, QString::number(n));
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    // The reference value, and the scale in per cent of it.
    painter.setPen(QPen(Qt::red, 0, Qt::DashLine));
    painter.drawLine(QPointF(plot.center().x(), plot.top()), QPointF(plot.center().x(), plot.bottom()));
    painter.setPen(QPen(Qt::black, 0));
    for (int percent = -5; percent <= 5; ++percent) {
        const double x = plot.left() + (percent + 5) * plot.width() / 10;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 0.3 * line));
        painter.drawText(QRectF(x - 2 * line, plot.bottom() + 0.3 * line, 4 * line, line), Qt::AlignCenter,
                         locale.toString(percent));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.4 * line, plot.width(), line), Qt::AlignCenter,
                     tr("отклонение e от 1,602 176 634·10⁻¹⁹ Кл, %"));
    painter.restore();
}

QString GradeReport::write(const GradeBook& book, const QString& csvPath, const QLocale& locale)
{
    if (QString failure = AtomicFile::write(csvPath, book.csv(locale)); !failure.isEmpty())
        return QDir::toNativeSeparators(csvPath) + QStringLiteral(": ") + failure;
    const QString gradebook = gradebookPath(csvPath);
    if (QString failure = AtomicFile::write(gradebook, book.gradebookCsv()); !failure.isEmpty())
        return QDir::toNativeSeparators(gradebook) + QStringLiteral(": ") + failure;
    const QString summary = summaryPath(csvPath);
    const QString text = html(book, locale);
    const QString failure = PagedReport::writePdf(summary, tr("Оценки по заданию"), [&](QPagedPaintDevice& device) {
        PagedReport::print(device, text, [&](QPainter& painter, const QRectF& page) {
            paintHistogram(painter, QRectF(0, 0, page.width(), page.height() / 2), book, locale);
        });
    });
    return failure.isEmpty() ? QString() : QDir::toNativeSeparators(summary) + QStringLiteral(": ") + failure;
}

int GradeReport::run(const QString& assignmentPath, const QString& csvPath, const QStringList& journals)
{
    const QString program = QCoreApplication::applicationName();
    const auto refuse = [&program](const QString& path, const QString& reason) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("%1: %2: %3").arg(program, QDir::toNativeSeparators(path), reason)));
    };
    QFile file(assignmentPath);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(assignmentPath, file.errorString());
        return 1;
    }
    auto read = Assignment::read(file.read(Assignment::MaxSize + 1));
    if (const QString* reason = std::get_if<QString>(&read)) {
        refuse(assignmentPath, *reason);
        return 1;
    }
    GradeBook book(std::move(std::get<Assignment>(read)));
    for (const QString& path : journals)
        book.add(path);
    for (const GradeBook::Refused& r : book.refused())
        refuse(r.path, r.reason);
    if (const QString failure = write(book, csvPath, QLocale()); !failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(program + QStringLiteral(": ") + failure));
        return 1;
    }
    const int graded = book.journalsGraded();
    std::fprintf(
        stdout, "%s\n",
        qPrintable(tr("Оценено журналов: %1 из %2 студентов; записаны %3, %4 и %5.")
                       .arg(graded)
                       .arg(book.grades().size())
                       .arg(QDir::toNativeSeparators(csvPath), QDir::toNativeSeparators(gradebookPath(csvPath)),
                            QDir::toNativeSeparators(summaryPath(csvPath)))));
    if (graded == 0) {
        std::fprintf(stderr, "%s\n", qPrintable(program + QStringLiteral(": ") + tr("ни один журнал не оценён")));
        return 1;
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GradeBook.h"

#include "ChargeUnits.h"
#include "JournalAnalysis.h"
#include "JournalFile.h"
#include "JournalTable.h"
#include "MeasuredDrops.h"
#include "RunTable.h"
#include "TaskFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

bool costsIntegrity(TimingAudit::Code code)
{
    return code != TimingAudit::Code::Digits;
}

} // namespace

GradeBook::GradeBook(Assignment assignment) : m_assignment(std::move(assignment))
{
    for (const Student& s : m_assignment.roster) {
        StudentGrade line;
        line.student = s;
        line.note = tr("журнал не сдан");
        m_grades.push_back(std::move(line));
    }
}

void GradeBook::add(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_refused.push_back({path, file.errorString()});
        return;
    }
    add(path, file.read(JournalFile::MaxSize + 1));
}

void GradeBook::add(const QString& path, const QByteArray& bytes)
{
    auto read = JournalFile::read(bytes);
    if (const QString* reason = std::get_if<QString>(&read)) {
        m_refused.push_back({path, *reason});
        return;
    }
    const Journal& journal = std::get<Journal>(read);
    if (!journal.task) {
        m_refused.push_back({path, tr("журнал измерен не по заданию: в нём нет задания")});
        return;
    }
    const auto line = std::find_if(m_grades.begin(), m_grades.end(),
                                   [&journal](const StudentGrade& g) { return g.student.id == journal.task->id; });
    if (line == m_grades.end()) {
        m_refused.push_back({path, tr("задания «%1» в этом списке нет").arg(journal.task->id)});
        return;
    }
    // A second journal of one task: the first graded, each named, and the
    // integrity lost (one of them is another's, or the work was split).
    if (!line->journal.isEmpty()) {
        line->others << path;
        line->flags.push_back({0, -1, TimingAudit::Code::WrongTask,
                               tr("за это задание сдан ещё журнал «%1»").arg(QFileInfo(path).fileName())});
        score(*line);
        return;
    }
    line->journal = path;
    examine(*line, journal);
    score(*line);
}

void GradeBook::examine(StudentGrade& line, const Journal& journal) const
{
    // Its claim, its replay and its analysis.
    line.note.clear();
    const QString expected = TaskFile::hash(TaskFile::bytes(m_assignment.taskFor(line.student)));
    if (journal.task->sha256.compare(expected, Qt::CaseInsensitive) != 0)
        line.flags.push_back({0, -1, TimingAudit::Code::WrongTask,
                              tr("файл задания, названный в журнале, не тот, что выдан этому студенту")});
    if (!journal.student.trimmed().isEmpty()
        && journal.student.simplified().compare(line.student.name.simplified(), Qt::CaseInsensitive) != 0)
        line.flags.push_back(
            {0, -1, TimingAudit::Code::WrongTask,
             tr("журнал подписан «%1», а задание выдано «%2»").arg(journal.student.simplified(), line.student.name)});
    TimingAudit::Result audit = TimingAudit::audit(journal, Assignment::seedFor(m_assignment.secret, line.student.id));
    line.flags.insert(line.flags.end(), audit.flags.begin(), audit.flags.end());
    line.timingsChecked = audit.timingsChecked;
    if (audit.dropsUnchecked > 0)
        line.note = tr("капель не проверено: %1 (их времена превышают проверяемое)").arg(audit.dropsUnchecked);
    const JournalAnalysis::Result analysis = JournalAnalysis::analyse(journal);
    line.estimate = analysis.fromCharges;
    line.drops = MeasuredDrops::count(journal);
}

void GradeBook::score(StudentGrade& line) const
{
    const Rubric& rubric = m_assignment.rubric;
    const ElementaryChargeEstimate::Result& e = line.estimate;
    const double exact = ChargeUnits::ElementaryCharge;
    line.accuracy = line.coverage = 0;
    if (e.valid()) {
        const double deviation = std::fabs(e.e - exact) / exact;
        line.accuracy = rubric.accuracy * std::clamp((NoAccuracy - deviation) / (NoAccuracy - FullAccuracy), 0.0, 1.0);
        line.coverage = std::fabs(e.e - exact) <= e.expanded ? rubric.coverage : 0;
    }
    line.charges = rubric.charges * std::min(1.0, static_cast<double>(e.certain) / FullCharges);
    const bool honest = std::none_of(line.flags.begin(), line.flags.end(),
                                     [](const TimingAudit::Flag& f) { return costsIntegrity(f.code); });
    line.integrity = honest ? rubric.integrity : 0;
    const double total = rubric.accuracy + rubric.coverage + rubric.charges + rubric.integrity;
    line.grade = total > 0 ? 100 * (line.accuracy + line.coverage + line.charges + line.integrity) / total : 0;
}

int GradeBook::journalsGraded() const
{
    return static_cast<int>(
        std::count_if(m_grades.begin(), m_grades.end(), [](const StudentGrade& g) { return !g.journal.isEmpty(); }));
}

QString GradeBook::flagSummary(const StudentGrade& grade)
{
    // Each code once, in the order it first appears, with its count.
    QStringList keys;
    std::map<QString, int> counts;
    for (const TimingAudit::Flag& f : grade.flags) {
        const QString key = TimingAudit::key(f.code);
        if (counts[key]++ == 0)
            keys << key;
    }
    QStringList parts;
    for (const QString& key : keys)
        parts << (counts[key] > 1 ? QStringLiteral("%1×%2").arg(key).arg(counts[key]) : key);
    return parts.join(QLatin1Char(' '));
}

QByteArray GradeBook::csv(const QLocale& locale) const
{
    const bool decimalComma = locale.decimalPoint() == QStringLiteral(",");
    const char point = decimalComma ? ',' : '.';
    const char separator = decimalComma ? ';' : ',';
    const QStringList header = {tr("id"),
                                tr("имя"),
                                tr("e-mail"),
                                tr("журнал"),
                                tr("e (Кл)"),
                                tr("U (k = 2, Кл)"),
                                tr("отклонение (%)"),
                                tr("капель"),
                                tr("надёжных зарядов"),
                                tr("замечания"),
                                tr("оценка"),
                                tr("примечание")};
    QByteArrayList fields;
    for (const QString& h : header)
        fields << JournalTable::field(h, separator);
    QByteArray out = fields.join(separator) + '\n';
    const double exact = ChargeUnits::ElementaryCharge;
    for (const StudentGrade& g : m_grades) {
        const bool found = g.estimate.valid();
        const bool handedIn = !g.journal.isEmpty();
        out += QByteArrayList{JournalTable::field(g.student.id, separator),
                              JournalTable::field(g.student.name, separator),
                              JournalTable::field(g.student.email, separator),
                              JournalTable::field(QFileInfo(g.journal).fileName(), separator),
                              found ? RunTable::number(g.estimate.e, point) : QByteArray(),
                              found ? RunTable::number(g.estimate.expanded, point) : QByteArray(),
                              found ? RunTable::number((g.estimate.e - exact) / exact * 100, point) : QByteArray(),
                              handedIn ? QByteArray::number(g.drops) : QByteArray(),
                              handedIn ? QByteArray::number(g.estimate.certain) : QByteArray(),
                              JournalTable::field(flagSummary(g), separator),
                              g.grade ? QByteArray::number(std::lround(*g.grade)) : QByteArray(),
                              JournalTable::field(g.note, separator)}
                   .join(separator)
               + '\n';
    }
    return out;
}

QByteArray GradeBook::gradebookCsv() const
{
    QByteArray out = "email,grade\n";
    for (const StudentGrade& g : m_grades)
        out += JournalTable::field(g.student.email, ',') + ','
               + (g.grade ? QByteArray::number(std::lround(*g.grade)) : QByteArray()) + '\n';
    return out;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reports as a teacher makes them. A class of 30 journals × 20 drops
// (each drop timed twice without field, twice in the field and twice after an
// irradiation): the files read, pooled (each journal's estimate of e and the
// estimate from all 1 200 charges together) and written as the class report
// in PDF with the pooled histogram drawn by Qt Charts. Target: under 2 s.
// And one student's report of 20 drops, from the journal to the PDF with its
// two plots. Target: under 1 s. Reports the median over the repetitions.

#include "BenchmarkMain.h"
#include "GeneratedJournal.h"

#include "ClassPool.h"
#include "ClassReport.h"
#include "JournalFile.h"
#include "JournalModel.h"
#include "ReportWriter.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int Students = 30;
constexpr int Drops = 20;

void ClassOf30JournalsPooledToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < Students; ++i) {
        paths << dir.filePath(QStringLiteral("student%1.json").arg(i));
        QFile file(paths.back());
        file.open(QIODevice::WriteOnly);
        file.write(JournalFile::write(generatedJournal(Drops, 1000 + static_cast<std::uint64_t>(i),
                                                       QStringLiteral("Студент %1").arg(i), QStringLiteral("ФТ-21"))));
    }
    const QString report = dir.filePath(QStringLiteral("class.pdf"));
    const QLocale locale(QLocale::Russian);
    double e = 0, charges = 0;
    for (auto _ : state) {
        ClassPool pool;
        for (const QString& path : paths)
            pool.add(path);
        pool.pool();
        if (!ClassReport::write(pool, report, locale).isEmpty())
            state.SkipWithError("the class report could not be written");
        e = pool.pooledAnalysis().fromCharges.e;
        charges = static_cast<double>(pool.pooledAnalysis().charges.size());
    }
    state.counters["charges"] = charges;
    state.counters["e/1e-19C"] = e / 1e-19;
    state.counters["PDF kB"] = static_cast<double>(QFile(report).size()) / 1024;
}

void OneStudentsReportToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("student.json"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(
            JournalFile::write(generatedJournal(Drops, 7, QStringLiteral("Иванова Анна"), QStringLiteral("ФТ-21"))));
    }
    const QString report = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        JournalModel model(QLocale(QLocale::Russian));
        model.setJournal(std::get<Journal>(JournalFile::read(file.readAll())));
        const ReportWriter writer(model);
        if (!writer.writePdf(report).isEmpty())
            state.SkipWithError("the report could not be written");
    }
    state.counters["PDF kB"] = static_cast<double>(QFile(report).size()) / 1024;
}

} // namespace

BENCHMARK(ClassOf30JournalsPooledToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(OneStudentsReportToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}

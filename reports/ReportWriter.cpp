// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportWriter.h"

#include "AnalysisWording.h"
#include "JournalFile.h"
#include "JournalModel.h"

#include <QDir>
#include <QFile>

#include <cstdio>

ReportWriter::ReportWriter(const JournalModel& model)
    : m_report(model, AnalysisWording::fullAnalysisText(model.journal(), model.analysis(), model.locale()))
{
}

QString ReportWriter::writePdf(const QString& path) const
{
    return m_report.writePdf(path);
}

int ReportWriter::print(QPagedPaintDevice& device) const
{
    return m_report.print(device);
}

int ReportWriter::run(const QString& journalPath, const QString& reportPath)
{
    const auto refuse = [](const QString& path, const QString& reason) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("%1: %2: %3")
                                    .arg(QCoreApplication::applicationName(), QDir::toNativeSeparators(path), reason)));
        return 1;
    };
    QFile file(journalPath);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(journalPath, file.errorString());
    const auto read = JournalFile::read(file.read(JournalFile::MaxSize + 1));
    if (const QString* reason = std::get_if<QString>(&read))
        return refuse(journalPath, *reason);
    JournalModel model;
    model.setJournal(std::get<Journal>(read));
    const ReportWriter writer(model);
    if (const QString failure = writer.writePdf(reportPath); !failure.isEmpty())
        return refuse(reportPath, failure);
    return 0;
}

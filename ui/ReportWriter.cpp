// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportWriter.h"

#include "JournalWindow.h"

#include "JournalFile.h"
#include "JournalModel.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include <cstdio>

ReportWriter::ReportWriter(const JournalModel& model, const ChargeChartsFactory& charts)
    : m_model(model),
      m_report(model, JournalWindow::fullAnalysisText(model.journal(), model.analysis(), model.locale())),
      m_holder(std::make_unique<QWidget>())
{
    if (charts && !model.analysis().charges.empty())
        m_charts = charts(m_holder.get(), model.locale());
    if (m_charts)
        m_charts->show(JournalWindow::chartData(model.analysis()));
}

ReportWriter::~ReportWriter()
{
    m_charts.reset();
}

LabReport::PlotPainter ReportWriter::plots()
{
    return [this](QPainter& painter, const QRectF& target, LabReport::Plot plot) {
        return m_charts && m_charts->draw(painter, target, plot == LabReport::Plot::Histogram ? 0 : 1);
    };
}

QString ReportWriter::writePdf(const QString& path)
{
    return m_report.writePdf(path, plots());
}

int ReportWriter::print(QPagedPaintDevice& device)
{
    return m_report.print(device, plots());
}

int ReportWriter::run(const QString& journalPath, const QString& reportPath, const ChargeChartsFactory& charts)
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
    ReportWriter writer(model, charts);
    if (const QString failure = writer.writePdf(reportPath); !failure.isEmpty())
        return refuse(reportPath, failure);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PagedReport.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {

/// Dots per inch the PDF is laid out in: the text and plots are vectors;
/// this is only the grid their coordinates fall on.
constexpr int Resolution = 300;

} // namespace

int PagedReport::print(QPagedPaintDevice& device, const QString& html, const PlotsPage& plots)
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setHtml(html);
    QPainter painter(&device);
    const QRectF page(0, 0, device.width(), device.height());
    // The page number's line below the text.
    const double footer = painter.fontMetrics().height() * 2.0;
    document.setPageSize(QSizeF(page.width(), page.height() - footer));
    const int textPages = document.pageCount();
    const int pages = textPages + 1;
    const auto number = [&](int n) {
        painter.save();
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, page.height() - footer * 0.7, page.width(), footer * 0.7), Qt::AlignCenter,
                         tr("Страница %1 из %2").arg(n).arg(pages));
        painter.restore();
    };
    const double height = document.pageSize().height();
    for (int p = 0; p < textPages; ++p) {
        if (p > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -p * height);
        document.drawContents(&painter, QRectF(0, p * height, page.width(), height));
        painter.restore();
        number(p + 1);
    }
    device.newPage();
    painter.save();
    plots(painter, QRectF(0, 0, page.width(), page.height() - footer));
    painter.restore();
    number(pages);
    return pages;
}

QString PagedReport::writePdf(const QString& path, const QString& title,
                              const std::function<void(QPagedPaintDevice& device)>& print)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setResolution(Resolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 15, 15),
                                         QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::applicationName());
        print(writer);
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

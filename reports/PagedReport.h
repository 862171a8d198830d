// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QRectF;

/// The pages of a report: its text (HTML, laid out by QTextDocument on the
/// device's own metrics) page after page, then a page of plots, every page
/// numbered «Страница n из m»; and the PDF file it goes to.
class PagedReport {
    Q_DECLARE_TR_FUNCTIONS(PagedReport)

public:
    /// Draws the plots into `page` (device units), the last page.
    using PlotsPage = std::function<void(QPainter& painter, const QRectF& page)>;

    /// Prints onto `device`; the number of pages.
    static int print(QPagedPaintDevice& device, const QString& html, const PlotsPage& plots);
    /// Writes an A4 PDF of `title` to `path` by `print`, whole or not at all
    /// (a temporary file beside it, renamed when done): why it failed, else empty.
    static QString writePdf(const QString& path, const QString& title,
                            const std::function<void(QPagedPaintDevice& device)>& print);
};

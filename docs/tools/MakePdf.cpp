// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// oildrop-mkpdf: renders one help document of the program (HTML in the subset
// that QTextDocument understands) into an A4 PDF with a footer on every page.
//
//   oildrop-mkpdf input.html output.pdf "Title"
//
// The text is set in "Liberation Serif" (Debian package fonts-liberation),
// which has Cyrillic and Greek letters; Qt embeds the font as a subset with a
// Unicode map, so the text of the PDF can be searched and extracted.
// The tool needs no display: unless QT_QPA_PLATFORM is set, it selects the
// "offscreen" platform itself. It exits with status 0 on success, 1 when the
// input cannot be read or the output cannot be written, 2 on wrong usage.

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPen>
#include <QRegularExpression>
#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTextTableCell>
#include <QTextTableFormat>

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* kFontFamily = "Liberation Serif";
constexpr qreal kBodyPointSize = 11.0;
constexpr qreal kFooterPointSize = 9.0;
constexpr int kResolutionDpi = 600;
// Page margins in millimetres: left, top, right, bottom.
const QMarginsF kMarginsMm(22.0, 18.0, 18.0, 12.0);

void report(const QString& message)
{
    const QByteArray text = QStringLiteral("oildrop-mkpdf: %1\n").arg(message).toLocal8Bit();
    std::fputs(text.constData(), stderr);
}

// Reads the whole file as UTF-8. Returns false (with a message) when the file
// cannot be opened or read or is not valid UTF-8.
bool readUtf8File(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report(QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    text = decoder.decode(bytes);
    if (decoder.hasError()) {
        report(QStringLiteral("\"%1\" is not valid UTF-8").arg(path));
        return false;
    }
    if (text.trimmed().isEmpty()) {
        report(QStringLiteral("\"%1\" is empty").arg(path));
        return false;
    }
    return true;
}

// A block that must not be the last thing on a page: a heading, or a short
// paragraph of the main text that ends with a colon (it introduces a formula,
// a table or a list).
bool keepsWithNext(const QTextBlock& block)
{
    if (block.blockFormat().headingLevel() > 0)
        return true;
    const QTextDocument* document = block.document();
    return document->frameAt(block.position()) == document->rootFrame()
           && block.text().trimmed().endsWith(QLatin1Char(':')) && block.lineCount() <= 3;
}

// The table of the main text whose first cell begins with this block, if any.
QTextTable* tableStartingAt(const QTextBlock& block)
{
    const QTextDocument* document = block.document();
    auto* table = qobject_cast<QTextTable*>(document->frameAt(block.position()));
    if (table == nullptr || table->parentFrame() != document->rootFrame())
        return nullptr;
    return table->cellAt(0, 0).firstCursorPosition().block() == block ? table : nullptr;
}

// Whether a row of the table would be split between two pages.
template <typename PageOf>
bool splitsRow(const QTextTable& table, const QAbstractTextDocumentLayout& layout, PageOf pageOf)
{
    for (int row = 0; row < table.rows(); ++row) {
        const int page = pageOf(layout.blockBoundingRect(table.cellAt(row, 0).firstCursorPosition().block()).top());
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (pageOf(layout.blockBoundingRect(cell.lastCursorPosition().block()).bottom()) > page)
                return true;
        }
    }
    return false;
}

// Pagination rules that QTextDocument does not apply by itself. Each of these
// is moved to the next page when it would be cut off from what follows it:
// - a heading with less than minFollowing of room below it;
// - a heading or an introducing paragraph whose next block starts on the
//   next page;
// - a table whose first row stands alone at the foot of a page, and a short
//   table (a formula, a note) that would be split between two pages;
// - a table shorter than half a page that would split one of its rows
//   between two pages.
// Headings and introducing paragraphs right above a moved block on the same
// page move with it. The document must already be paginated.
void keepBlocksTogether(QTextDocument& document, qreal minFollowing)
{
    const qreal pageHeight = document.pageSize().height();
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const auto topOf = [layout](const QTextBlock& block) { return layout->blockBoundingRect(block).top(); };
    const auto pageOf = [pageHeight](qreal y) { return static_cast<int>(std::floor(y / pageHeight)); };

    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block);
        const int page = pageOf(rect.top());
        QTextTable* table = tableStartingAt(block);
        bool cutOff = false;
        if (table != nullptr) {
            const QRectF tableRect = layout->frameBoundingRect(table);
            cutOff = (table->rows() > 1 && pageOf(topOf(table->cellAt(1, 0).firstCursorPosition().block())) > page)
                     || (tableRect.height() < pageHeight / 4.0 && pageOf(tableRect.bottom()) > page)
                     || (tableRect.height() < pageHeight / 2.0 && splitsRow(*table, *layout, pageOf));
        } else if (keepsWithNext(block) && block.next().isValid()) {
            cutOff = pageOf(topOf(block.next())) > page;
            if (block.blockFormat().headingLevel() > 0)
                cutOff = cutOff || rect.bottom() - page * pageHeight + minFollowing > pageHeight;
        }
        if (!cutOff)
            continue;

        QTextBlock first = block;
        for (QTextBlock previous = block.previous();
             previous.isValid() && keepsWithNext(previous) && pageOf(topOf(previous)) == page;
             previous = previous.previous())
            first = previous;
        const QRectF firstRect = layout->blockBoundingRect(first);
        if (firstRect.top() - page * pageHeight <= firstRect.height())
            continue; // it already starts its page: moving would not help
        if (first == block && table != nullptr) {
            QTextTableFormat format = table->format();
            format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
        } else {
            QTextBlockFormat format = first.blockFormat();
            format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).setBlockFormat(format);
        }
        // A changed format moves everything after it, but the layout would
        // only be redone in part: have the whole document laid out anew
        // before the next position is asked for and before it is painted.
        document.markContentsDirty(0, document.characterCount());
    }
}

// Footer of one page: a thin rule, the document title on the left and the
// page number ("стр. N из M", "Page N of M") on the right.
void drawFooter(QPainter& painter, const QRectF& area, const QFont& font, const QString& title,
                const QString& pageFormat, int page, int pageCount)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(QPen(QColor(96, 96, 96), area.height() * 0.02));
    const QFontMetricsF metrics(font, painter.device());
    const qreal ruleY = area.top() + metrics.height() * 0.6;
    painter.drawLine(QPointF(area.left(), ruleY), QPointF(area.right(), ruleY));
    const QRectF textArea(area.left(), ruleY + metrics.height() * 0.3, area.width(), metrics.height() * 1.2);
    const QString pageText = pageFormat.arg(page).arg(pageCount);
    const qreal pageTextWidth = metrics.horizontalAdvance(pageText);
    const QString shownTitle = metrics.elidedText(title, Qt::ElideRight, area.width() - pageTextWidth * 1.5);
    painter.setPen(QColor(64, 64, 64));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop, shownTitle);
    painter.drawText(textArea, Qt::AlignRight | Qt::AlignTop, pageText);
    painter.restore();
}

/// The fonts of the body and of the footer.
struct Fonts {
    QFont body;
    QFont footer;
};

Fonts documentFonts()
{
    if (!QFontDatabase::families().contains(QString::fromLatin1(kFontFamily)))
        report(QStringLiteral("warning: font \"%1\" is not installed (package fonts-liberation); "
                              "a substitute is used")
                   .arg(QString::fromLatin1(kFontFamily)));
    Fonts fonts{QFont(QString::fromLatin1(kFontFamily)), {}};
    fonts.body.setPointSizeF(kBodyPointSize);
    fonts.body.setStyleHint(QFont::Serif);
    fonts.footer = fonts.body;
    fonts.footer.setPointSizeF(kFooterPointSize);
    return fonts;
}

/// The document laid out for the PDF device in pages of `bodyHeight`, so
/// that point sizes and the pixel lengths of the HTML (scaled as at 96 dpi)
/// come out right.
void layOut(QTextDocument& document, QPdfWriter& writer, const Fonts& fonts, const QString& html, const QString& title,
            qreal bodyHeight)
{
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(fonts.body);
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.setMetaInformation(QTextDocument::DocumentTitle, title);
    document.setPageSize(QSizeF(writer.width(), bodyHeight));
    keepBlocksTogether(document, QFontMetricsF(fonts.body, &writer).lineSpacing() * 4.0);
}

/// The footer speaks the language of the document: <html lang="en"> or not.
QString pageFormatOf(const QString& html)
{
    static const QRegularExpression englishRoot(QStringLiteral("<html[^>]*\\blang\\s*=\\s*[\"']?en\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    return englishRoot.match(html).hasMatch() ? QStringLiteral("Page %1 of %2") : QStringLiteral("стр. %1 из %2");
}

/// Every page: its part of the document, then the footer. False when the
/// writer could not add a page.
bool paintPages(QPainter& painter, QPdfWriter& writer, QTextDocument& document, const Fonts& fonts,
                const QString& title, const QString& pageFormat, qreal bodyHeight, qreal footerHeight)
{
    const qreal pageWidth = writer.width();
    const int pageCount = document.pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !writer.newPage()) {
            report(QStringLiteral("cannot add page %1").arg(page + 1));
            return false;
        }
        painter.save();
        const QRectF pageRect(0.0, page * bodyHeight, pageWidth, bodyHeight);
        painter.translate(0.0, -pageRect.top());
        painter.setClipRect(pageRect);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = pageRect;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        drawFooter(painter, QRectF(0.0, bodyHeight, pageWidth, footerHeight), fonts.footer, title, pageFormat, page + 1,
                   pageCount);
    }
    return true;
}

int render(const QString& inputPath, const QString& outputPath, const QString& title)
{
    QString html;
    if (!readUtf8File(inputPath, html))
        return 1;
    const Fonts fonts = documentFonts();

    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly)) {
        report(QStringLiteral("cannot write \"%1\": %2").arg(outputPath, output.errorString()));
        return 1;
    }
    QPdfWriter writer(&output);
    writer.setResolution(kResolutionDpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm, QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("oildrop-mkpdf"));

    QPainter painter;
    if (!painter.begin(&writer)) {
        output.cancelWriting();
        report(QStringLiteral("cannot start a PDF on \"%1\"").arg(outputPath));
        return 1;
    }
    const qreal footerHeight = QFontMetricsF(fonts.footer, &writer).height() * 2.4;
    const qreal bodyHeight = writer.height() - footerHeight;
    QTextDocument document;
    layOut(document, writer, fonts, html, title, bodyHeight);
    if (!paintPages(painter, writer, document, fonts, title, pageFormatOf(html), bodyHeight, footerHeight)) {
        painter.end();
        output.cancelWriting();
        report(QStringLiteral("cannot finish \"%1\"").arg(outputPath));
        return 1;
    }
    if (!painter.end()) {
        output.cancelWriting();
        report(QStringLiteral("cannot finish the PDF \"%1\"").arg(outputPath));
        return 1;
    }
    if (!output.commit()) {
        report(QStringLiteral("cannot write \"%1\": %2").arg(outputPath, output.errorString()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4) {
        report(QStringLiteral("usage: oildrop-mkpdf input.html output.pdf \"Title\""));
        return 2;
    }
    return render(arguments.at(1), arguments.at(2), arguments.at(3));
}

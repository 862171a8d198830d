// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SurfaceExport.h"

#include "PlotCursor.h"

#include "AtomicFile.h"
#include "CanvasWidget.h"
#include "MessageBox.h"
#include "RunRecord.h"
#include "RunTable.h"
#include "SaveFileDialog.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMenu>

namespace {

std::size_t index(SurfaceExport::Surface surface)
{
    return static_cast<std::size_t>(surface);
}

} // namespace

SurfaceExport::SurfaceExport(MessageBox& messageBox, SaveFileDialog& saveDialog, const RunRecord& record,
                             const QLocale& locale, QObject* parent)
    : QObject(parent), m_messageBox(messageBox), m_saveDialog(saveDialog), m_record(record), m_locale(locale)
{
}

void SurfaceExport::attach(Surface surface, CanvasWidget* widget, PlotCursor* cursor)
{
    m_widgets[index(surface)] = widget;
    m_cursors[index(surface)] = cursor;
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this, [this, surface, widget](const QPoint& at) {
        QMenu* shown = menu(surface, at);
        shown->exec(widget->mapToGlobal(at));
        delete shown;
    });
}

QString SurfaceExport::suggestedName(Surface surface, const QString& suffix)
{
    const char* names[] = {"animation", "coordinate", "velocity"};
    return QStringLiteral("oildrop-%1.%2").arg(QLatin1String(names[index(surface)]), suffix);
}

QMenu* SurfaceExport::menu(Surface surface, QPoint at)
{
    auto* menu = new QMenu(m_widgets[index(surface)]);
    menu->addAction(tr("Копировать изображение"), this, [this, surface] { copyImage(surface); });
    menu->addAction(tr("Сохранить изображение…"), this, [this, surface] { saveImage(surface); });
    if (surface != Surface::Animation) {
        QAction* data = menu->addAction(tr("Сохранить данные…"), this, [this, surface] { saveData(surface); });
        // Nothing to save before the first run.
        data->setEnabled(!m_record.isEmpty());
        if (m_extension)
            m_extension(menu, surface, at);
    }
    return menu;
}

QImage SurfaceExport::picture(Surface surface) const
{
    CanvasWidget* widget = m_widgets[index(surface)];
    PlotCursor* cursor = m_cursors[index(surface)];
    // The surface with its pictures on it (the droplet, the beam), without the crosshair.
    const bool cursorShown = cursor && cursor->isVisible();
    if (cursorShown)
        cursor->hide();
    const QImage image = widget->grab().toImage();
    if (cursorShown)
        cursor->show();
    return image;
}

void SurfaceExport::copyImage(Surface surface)
{
    QGuiApplication::clipboard()->setImage(picture(surface));
}

void SurfaceExport::saveImage(Surface surface)
{
    const QString path =
        m_saveDialog.askSaveFileName(tr("Сохранить изображение"), suggestedName(surface, QStringLiteral("png")),
                                     tr("Изображение PNG (*.png)"), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture(surface))) {
        reportFailure(path, writer.errorString());
        return;
    }
    write(path, png);
}

void SurfaceExport::saveData(Surface surface)
{
    if (m_record.isEmpty())
        return;
    const QString path =
        m_saveDialog.askSaveFileName(tr("Сохранить данные"), suggestedName(surface, QStringLiteral("csv")),
                                     tr("Таблица CSV (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    write(path, RunTable::csv(m_record, m_locale));
}

void SurfaceExport::write(const QString& path, const QByteArray& bytes)
{
    const QString failure = AtomicFile::write(path, bytes);
    if (!failure.isEmpty())
        reportFailure(path, failure);
}

void SurfaceExport::reportFailure(const QString& path, const QString& reason)
{
    m_messageBox.showMessage(tr("Ошибка"),
                             tr("Не удалось сохранить файл «%1»:\n%2.").arg(QDir::toNativeSeparators(path), reason));
}

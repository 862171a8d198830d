// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QLocale>
#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>

class CanvasWidget;
class MessageBox;
class PlotCursor;
class QMenu;
class RunRecord;
class SaveFileDialog;

/// The context menu of the drawing surfaces: the surface's picture, as it is
/// shown, to the clipboard or to a PNG file; and on the plots the last run's
/// data to a CSV file. Files are written whole or not at all: a failure
/// (a folder that cannot be written or does not exist, a full disk) is
/// reported in a box naming the file and the system's reason, and leaves no
/// partial file behind.
class SurfaceExport : public QObject {
    Q_OBJECT

public:
    enum class Surface { Animation, Coordinate, Velocity };

    SurfaceExport(MessageBox& messageBox, SaveFileDialog& saveDialog, const RunRecord& record,
                  const QLocale& locale = QLocale(), QObject* parent = nullptr);

    /// Gives `widget` its context menu; `cursor` is the plot's overlay, left
    /// out of the pictures.
    void attach(Surface surface, CanvasWidget* widget, PlotCursor* cursor = nullptr);

    /// The context menu of a surface as it would open now at `at` (pixels of
    /// the surface; the caller owns it).
    QMenu* menu(Surface surface, QPoint at = {});
    /// Adds further commands to every context menu of a plot (the laboratory's).
    using MenuExtension = std::function<void(QMenu* menu, Surface surface, QPoint at)>;
    void setMenuExtension(MenuExtension extension) { m_extension = std::move(extension); }
    /// The picture of a surface as it is shown, at the screen's pixel density.
    QImage picture(Surface surface) const;

    void copyImage(Surface surface);
    void saveImage(Surface surface);
    void saveData(Surface surface);

    /// The file name offered for a surface's picture or data ("oildrop-velocity.png").
    static QString suggestedName(Surface surface, const QString& suffix);

private:
    /// Writes `bytes` to `path`, atomically; reports a failure.
    void write(const QString& path, const QByteArray& bytes);
    void reportFailure(const QString& path, const QString& reason);

    MessageBox& m_messageBox;
    SaveFileDialog& m_saveDialog;
    const RunRecord& m_record;
    QLocale m_locale;
    std::array<CanvasWidget*, 3> m_widgets{};
    std::array<PlotCursor*, 3> m_cursors{};
    MenuExtension m_extension;
};

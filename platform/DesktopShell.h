// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

/// The desktop: files, the default viewer, other programs.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    /// Whether a regular file exists at `path`.
    virtual bool fileExists(const QString& path) const = 0;
    /// Opens the document with the viewer the desktop has for its type; false
    /// when the desktop reports at once that it could not. A desktop that
    /// finds out only afterwards (no viewer for the type) calls openFailed.
    virtual bool openDocument(const QString& path) = 0;
    /// Starts `program` with `arguments` without waiting for it; false when it
    /// could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;

    /// Told, with its path, of a document that openDocument took but the
    /// desktop then could not open.
    std::function<void(const QString& path)> openFailed;
};

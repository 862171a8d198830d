// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

/// The desktop: files, the default viewer, other programs.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    /// Whether a regular file exists at `path`.
    virtual bool fileExists(const QString& path) const = 0;
    /// Opens the document with the viewer the desktop has for its type; false
    /// when the desktop reports that it could not.
    virtual bool openDocument(const QString& path) = 0;
    /// Starts `program` with `arguments` without waiting for it; false when it
    /// could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

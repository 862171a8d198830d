// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesktopShell.h"

/// The desktop of a browser page: the help documents are files of the site
/// (under `help/`, beside the page), opened in a new tab; no program can be
/// started.
class WebShell : public DesktopShell {
public:
    /// The folder the program looks for its documents in.
    static QString documentFolder() { return QStringLiteral("/site/help"); }

    bool fileExists(const QString& path) const override;
    bool openDocument(const QString& path) override;
    bool startDetached(const QString&, const QStringList&) override { return false; }
};

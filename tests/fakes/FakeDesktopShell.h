// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesktopShell.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

/// Files that "exist", and a record of what was opened or started.
class FakeDesktopShell : public DesktopShell {
public:
    QSet<QString> existing;
    bool openSucceeds = true;
    bool startSucceeds = true;
    QStringList opened;
    std::vector<std::pair<QString, QStringList>> started;

    bool fileExists(const QString& path) const override { return existing.contains(path); }
    bool openDocument(const QString& path) override
    {
        opened << path;
        return openSucceeds;
    }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        started.emplace_back(program, arguments);
        return startSucceeds;
    }
};

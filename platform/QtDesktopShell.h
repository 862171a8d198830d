// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesktopShell.h"

/// The desktop through Qt: files, the default viewer (QDesktopServices) and
/// detached processes.
class QtDesktopShell : public DesktopShell {
public:
    bool fileExists(const QString& path) const override;
    bool openDocument(const QString& path) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

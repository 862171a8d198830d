// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// Asks the user where to save a file.
class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;

    /// A modal dialog titled `title`, offering `suggestedName` in the folder
    /// last used (or the user's usual folder for such files), for files of
    /// `filter` ("PNG image (*.png)"); `suffix` is added to a name typed
    /// without one. Returns the chosen path, or an empty string when cancelled.
    virtual QString askSaveFileName(const QString& title, const QString& suggestedName, const QString& filter,
                                    const QString& suffix) = 0;
};

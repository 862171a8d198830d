// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

/// The user's files in a browser: files the user saves go to a folder of
/// downloads and are handed to the browser, which saves them where its user
/// says; files the user opens come from the browser's file dialog.
class WebFiles {
public:
    /// Where a file the user saves is written before the browser takes it.
    static QString downloadPath(const QString& suggestedName);
    /// Once the handler that asked for `path` has returned (and so has written
    /// it), hands the file to the browser as a download and removes it.
    static void offerWhenWritten(const QString& path);
    /// The browser's dialog for opening a file of `filter` ("*.json"); `opened`
    /// gets the file's path in the program's folder of uploads.
    static void askOpenFile(const QString& filter, std::function<void(const QString& path)> opened);
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// The program's data folder in a browser lies in its IndexedDB. Each tab
/// open at once keeps a folder of its own (the first tab the first folder,
/// held by a Web Lock while the tab lives), so that a second tab never
/// overwrites the first one's journal; what is written there reaches the
/// browser's storage only when copied.
class WebStorage {
public:
    /// Mounts this tab's folder, reads back what the browser keeps of it and
    /// makes it the data folder (XDG_DATA_HOME); before the application object
    /// is made. The folder, or an empty string when the browser keeps nothing.
    static QString mount();
    /// Copies the data folder to the browser's storage: at once, or right
    /// after a copy already under way, so the last change always arrives.
    static void persist();
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The program's data folder in a browser lies in its IndexedDB, mounted by
/// the page before the program starts (web/storage.js: each tab open at once a
/// folder of its own); what is written there reaches the browser's storage
/// only when copied.
class WebStorage {
public:
    /// Copies the data folder to the browser's storage: at once, or right
    /// after a copy already under way, so the last change always arrives.
    static void persist();
};

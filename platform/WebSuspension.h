// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// A browser's page suspends the program in one wait at a time (a pause, a
/// tone, a modal dialog): a wait inside another's would never return, as the
/// page would never get back to the browser. The program's own waits mark
/// themselves here, and one that finds another under way does without.
class WebSuspension {
public:
    /// Whether a wait is under way.
    static bool isActive() { return depth() > 0; }

    /// Marks a wait for its scope.
    class Scope {
    public:
        Scope() { ++depth(); }
        ~Scope() { --depth(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

private:
    static int& depth()
    {
        static int waits = 0;
        return waits;
    }
};

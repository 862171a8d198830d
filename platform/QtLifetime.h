// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Lifetime.h"

/// Ends the program through Qt: closes every top-level window at once and
/// makes every event loop (the main one and any modal one) return with the
/// status, while the ending flag makes the pauses unwind.
class QtLifetime : public Lifetime {
public:
    void endProgram(int status) override;
    bool isEnding() const override { return m_ending; }

private:
    bool m_ending = false;
};

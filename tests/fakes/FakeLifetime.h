// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Lifetime.h"

class FakeLifetime : public Lifetime {
public:
    bool ending = false;
    int status = -1;
    void endProgram(int s) override
    {
        ending = true;
        status = s;
    }
    bool isEnding() const override { return ending; }
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeControl.h"

#include <algorithm>

void FakeControl::setValue(int value)
{
    switch (m_kind) {
    case Kind::OptionButton:
        if (value == 0) {
            m_value = 0;
            return;
        }
        if (m_value != 0)
            return;
        for (FakeControl* other : group)
            if (other != this)
                other->m_value = 0;
        m_value = 1;
        if (onChange)
            onChange();
        return;
    case Kind::ScrollBar: {
        const int clamped = std::clamp(value, minimum, maximum);
        if (clamped == m_value)
            return;
        m_value = clamped;
        if (onChange)
            onChange();
        return;
    }
    default: m_value = value;
    }
}

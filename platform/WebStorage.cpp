// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebStorage.h"

#include <emscripten.h>

namespace {

// The functions below are written in JavaScript.
// clang-format off

EM_JS(void, oildrop_persist, (), {
    if (Module.oildropPersist)
        Module.oildropPersist();
});

// clang-format on

} // namespace

void WebStorage::persist()
{
    oildrop_persist();
}

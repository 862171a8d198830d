// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebStorage.h"

#include <QByteArray>

#include <emscripten.h>

#include <cstdlib>

namespace {

// The functions below are written in JavaScript.
// clang-format off

/// Tabs open at once, each with a folder of its own; more share the last.
constexpr int Folders = 20;

// Takes the first folder no other tab holds (a Web Lock, let go when the tab
// closes or reloads), mounts it on IndexedDB and reads it back. Copies to the
// browser are kept in one place, Module.oildropPersist: a copy asked for while
// one is under way follows it.
EM_JS(void, oildrop_storage_begin, (int folders), {
    Module.oildropStorage = { state: 0, folder: 0 };
    const mountAt = (folder) => {
        const path = '/storage/' + folder;
        try {
            FS.mkdirTree(path);
            FS.mount(IDBFS, {}, path);
        } catch (e) {
            Module.oildropStorage.state = 2;
            return;
        }
        Module.oildropStorage.folder = folder;
        FS.syncfs(true, (error) => { Module.oildropStorage.state = error ? 2 : 1; });
        let busy = false;
        let again = false;
        Module.oildropPersist = () => {
            if (busy) {
                again = true;
                return;
            }
            busy = true;
            FS.syncfs(false, () => {
                busy = false;
                if (again) {
                    again = false;
                    Module.oildropPersist();
                }
            });
        };
    };
    if (!navigator.locks) {
        mountAt(1);
        return;
    }
    const take = (folder) => {
        if (folder >= folders) {
            mountAt(folders);
            return;
        }
        navigator.locks.request('oildrop-folder-' + folder, { ifAvailable: true }, (lock) => {
            if (!lock) {
                take(folder + 1);
                return undefined;
            }
            mountAt(folder);
            return new Promise(() => {}); // held while the tab lives
        }).catch(() => mountAt(folder));
    };
    take(1);
});

EM_JS(int, oildrop_storage_state, (), { return Module.oildropStorage ? Module.oildropStorage.state : 2; });
EM_JS(int, oildrop_storage_folder, (), { return Module.oildropStorage ? Module.oildropStorage.folder : 0; });

EM_JS(void, oildrop_persist, (), {
    if (Module.oildropPersist)
        Module.oildropPersist();
});

// clang-format on

} // namespace

QString WebStorage::mount()
{
    oildrop_storage_begin(Folders);
    // The page's storage answers within a few frames; the program waits (the
    // page suspends it) before anything reads the data folder.
    while (oildrop_storage_state() == 0)
        emscripten_sleep(10);
    if (oildrop_storage_state() != 1)
        return {};
    const QByteArray folder = "/storage/" + QByteArray::number(oildrop_storage_folder());
    setenv("XDG_DATA_HOME", folder.constData(), 1);
    return QString::fromLatin1(folder);
}

void WebStorage::persist()
{
    oildrop_persist();
}

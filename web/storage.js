// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Before the program starts: its data folder in the browser's IndexedDB.
// Each tab open at once keeps a folder of its own, /storage/N: the first
// folder no other tab holds (a Web Lock, let go when the tab closes or
// reloads), so that a second tab never overwrites the first one's journal.
// The folder is read back from the browser, and the program finds it as its
// XDG_DATA_HOME. Copies to the browser go through Module.oildropPersist: one
// asked for while another is under way follows it.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
    const folders = 20;
    addRunDependency('oildrop-storage');
    const done = () => removeRunDependency('oildrop-storage');
    const mountAt = (folder) => {
        const path = '/storage/' + folder;
        try {
            FS.mkdirTree(path);
            FS.mount(IDBFS, {}, path);
        } catch (e) {
            done();
            return;
        }
        ENV['XDG_DATA_HOME'] = path;
        let busy = false;
        let again = false;
        Module['oildropPersist'] = () => {
            if (busy) {
                again = true;
                return;
            }
            busy = true;
            FS.syncfs(false, () => {
                busy = false;
                if (again) {
                    again = false;
                    Module['oildropPersist']();
                }
            });
        };
        FS.syncfs(true, () => done());
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

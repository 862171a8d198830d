// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

/// Which autosaved journal of the data folder this copy of the program keeps.
/// The first copy locks journal.json (a QLockFile beside it, held while the
/// program runs, freed by the system when it crashes); a copy started while
/// another holds it keeps a journal of its own beside it,
/// journal-copy-<time>.json, so that neither overwrites the other's timings.
///
/// The copy that holds journal.json gathers, when it takes the lock, the
/// journals that other copies left behind (no longer locked): the one written
/// last becomes journal.json, every other is kept under a name of its own.
class JournalLock {
public:
    explicit JournalLock(QString folder);
    ~JournalLock();
    JournalLock(const JournalLock&) = delete;
    JournalLock& operator=(const JournalLock&) = delete;

    /// Takes journal.json, or else a journal of this copy's own; once.
    void acquire();
    /// The journal this copy keeps (journal.json before `acquire`).
    QString path() const { return m_path; }
    /// Another copy holds journal.json: this one keeps its own.
    bool isSecondCopy() const { return m_secondCopy; }

    /// What `acquire` did with the journals other copies left behind.
    struct Gathered {
        bool openedLatest = false; ///< journal.json is now the journal another copy wrote last
        QStringList keptAside;     ///< where the others are now
    };
    const Gathered& gathered() const { return m_gathered; }

    /// A name for a journal kept aside in `folder`, journal-<time>.json, not yet taken.
    static QString keptPath(const QString& folder);

private:
    void gather();

    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_secondCopy = false;
    Gathered m_gathered;
};

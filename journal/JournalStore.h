// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalLock.h"

#include <QCoreApplication>
#include <QLocale>
#include <QObject>
#include <QString>

class JournalModel;
class MessageBox;

/// Where the journal lives. It saves itself, atomically, after every change
/// into journal.json of the user's data folder, so that it is there again
/// after the program is closed, killed or has crashed; it is saved to and
/// opened from files the student chooses, and exported as CSV. Every
/// failure is reported in a box naming the file and the reason; a file that
/// is refused leaves the journal as it was. A second copy of the program
/// keeps a journal of its own beside it (JournalLock) and says so once.
class JournalStore : public QObject {
    Q_OBJECT

public:
    /// `folder`: where the journal saves itself (created when needed).
    JournalStore(JournalModel& model, MessageBox& messageBox, QString folder, QObject* parent = nullptr);

    /// The user's data folder for the program (QStandardPaths).
    static QString defaultFolder();
    /// The file the journal saves itself to (this copy's own, once loaded,
    /// when another copy keeps journal.json).
    QString autosavePath() const;

    /// Brings back the journal saved last time, once; later calls do nothing.
    /// A damaged one is kept aside (journal-damaged-….json), reported, and an
    /// empty journal begins. The journal another copy wrote later is the one
    /// brought back, and the student is told where the other is; a second
    /// copy begins a journal of its own.
    void load();
    bool isLoaded() const { return m_loaded; }

    /// "Сохранить журнал…", "Открыть журнал…", "Экспорт таблицы…": true when done.
    /// The journal that an opened one replaces is kept as a copy in the data
    /// folder (`kept`: its path, empty when it was empty).
    bool saveAs(const QString& path);
    bool open(const QString& path, QString* kept = nullptr);
    bool exportCsv(const QString& path, const QLocale& locale);
    /// A new, empty journal (the seed and the task stay); the old one is kept as a copy.
    bool startNew(QString* kept = nullptr);

private:
    /// Copies the journal into the data folder before it is replaced.
    bool keepCopy(QString* kept);
    void autosave();
    void reportSaveFailure(const QString& path, const QString& reason);
    /// Tells the student which journal this copy keeps, when it is not the usual one.
    void reportLock();

    JournalModel& m_model;
    MessageBox& m_messageBox;
    QString m_folder;
    JournalLock m_lock;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_autosaveFailing = false; ///< reported once until a save succeeds again
};

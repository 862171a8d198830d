// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <algorithm>

namespace {

const QString MainName = QStringLiteral("journal.json");
const QString CopyPattern = QStringLiteral("journal-copy-*.json");

/// A lock held for the program's whole run: never taken over for its age,
/// only when the process that holds it is gone.
std::unique_ptr<QLockFile> lockFor(const QString& journal)
{
    auto lock = std::make_unique<QLockFile>(journal + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock;
}

/// Takes `lock` at once. A lock left by a process of our own number is stale
/// too: that process is gone, and the system gave its number to us (as Wine
/// does at every start, and any system may after a crash).
bool take(QLockFile& lock)
{
    if (lock.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host;
    if (lock.error() == QLockFile::LockFailedError && lock.getLockInfo(&pid, &host, nullptr)
        && pid == QCoreApplication::applicationPid() && host == QSysInfo::machineHostName())
        return lock.removeStaleLockFile() && lock.tryLock(0);
    return false;
}

} // namespace

JournalLock::JournalLock(QString folder) : m_folder(std::move(folder)), m_path(QDir(m_folder).filePath(MainName)) {}

JournalLock::~JournalLock() = default;

QString JournalLock::keptPath(const QString& folder)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = QDir(folder).filePath(QStringLiteral("journal-%1.json").arg(stamp));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("journal-%1-%2.json").arg(stamp).arg(n));
    return path;
}

void JournalLock::acquire()
{
    if (m_lock)
        return;
    QDir().mkpath(m_folder);
    m_lock = lockFor(m_path);
    if (take(*m_lock)) {
        gather();
        return;
    }
    // Another copy keeps journal.json: this one keeps its own, named by its
    // start and its process, so that copies started together differ.
    m_secondCopy = true;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    m_path = QDir(m_folder).filePath(
        QStringLiteral("journal-copy-%1-%2.json").arg(stamp).arg(QCoreApplication::applicationPid()));
    m_lock = lockFor(m_path);
    take(*m_lock);
}

void JournalLock::gather()
{
    const QDir dir(m_folder);
    struct Left {
        QString path;
        QDateTime written;
    };
    std::vector<Left> left;
    for (const QString& name : dir.entryList({CopyPattern}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        // Still kept by a copy that runs: not ours to move.
        QLockFile probe(path + QStringLiteral(".lock"));
        probe.setStaleLockTime(0);
        if (!take(probe))
            continue;
        probe.unlock();
        left.push_back({path, QFileInfo(path).lastModified()});
    }
    if (left.empty())
        return;
    const auto latest =
        std::max_element(left.begin(), left.end(), [](const Left& a, const Left& b) { return a.written < b.written; });
    if (!QFileInfo::exists(m_path) || latest->written > QFileInfo(m_path).lastModified()) {
        // The journal written last is the one the student goes on with.
        if (QFileInfo::exists(m_path)) {
            const QString aside = keptPath(m_folder);
            if (!QFile::rename(m_path, aside))
                return;
            m_gathered.keptAside << aside;
        }
        if (QFile::rename(latest->path, m_path))
            m_gathered.openedLatest = true;
        left.erase(latest);
    }
    for (const Left& other : left) {
        const QString aside = keptPath(m_folder);
        if (QFile::rename(other.path, aside))
            m_gathered.keptAside << aside;
    }
}

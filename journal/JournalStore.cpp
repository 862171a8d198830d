// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalStore.h"

#include "AtomicFile.h"
#include "JournalFile.h"
#include "JournalModel.h"
#include "JournalTable.h"

#include "MessageBox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WASM
#include "WebStorage.h"
#endif

JournalStore::JournalStore(JournalModel& model, MessageBox& messageBox, QString folder, QObject* parent)
    : QObject(parent), m_model(model), m_messageBox(messageBox), m_folder(std::move(folder)), m_lock(m_folder)
{
    connect(&model, &JournalModel::changed, this, [this] {
        if (m_loaded && !m_loading)
            autosave();
    });
}

QString JournalStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString JournalStore::autosavePath() const
{
    return m_lock.path();
}

void JournalStore::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_lock.acquire();
#ifdef Q_OS_WASM
    // The lock, and the journals gathered, kept in the browser at once.
    WebStorage::persist();
#endif
    reportLock();
    if (m_lock.isSecondCopy())
        return;
    QFile file(autosavePath());
    if (!file.exists())
        return;
    QString reason;
    if (file.open(QIODevice::ReadOnly)) {
        const auto read = JournalFile::read(file.read(JournalFile::MaxSize + 1));
        if (const Journal* journal = std::get_if<Journal>(&read)) {
            m_loading = true;
            m_model.setJournal(*journal);
            m_loading = false;
            return;
        }
        reason = std::get<QString>(read);
    } else {
        reason = file.errorString();
    }
    file.close();
    // Kept aside, not overwritten: the student (or a teacher) may still get at it.
    const QString aside =
        QDir(m_folder).filePath(QStringLiteral("journal-damaged-%1.json")
                                    .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    const bool kept = QFile::rename(autosavePath(), aside);
    m_messageBox.showMessage(
        tr("Лабораторный журнал"),
        tr("Сохранённый журнал «%1» не удалось прочитать: %2.\n%3Начат новый журнал.")
            .arg(QDir::toNativeSeparators(autosavePath()), reason,
                 kept ? tr("Файл сохранён как «%1». ").arg(QDir::toNativeSeparators(aside)) : QString()));
}

void JournalStore::reportLock()
{
    const auto native = [](const QStringList& paths) {
        QStringList names;
        for (const QString& path : paths)
            names << QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
        return names.join(QStringLiteral(", "));
    };
    if (m_lock.isSecondCopy()) {
        m_messageBox.showMessage(
            tr("Лабораторный журнал"),
            tr("Программа уже открыта, и её журнал ведёт та копия. Эта копия записывает измерения в свой журнал: "
               "«%1». При следующем запуске откроется журнал, записанный последним, и программа скажет, где "
               "другой.")
                .arg(QDir::toNativeSeparators(autosavePath())));
        return;
    }
    const JournalLock::Gathered& gathered = m_lock.gathered();
    if (gathered.keptAside.isEmpty() && !gathered.openedLatest)
        return;
    const QString opened = gathered.openedLatest
                               ? tr("Открыт журнал, записанный последним: его вела вторая копия программы. ")
                               : QString();
    const QString kept = gathered.keptAside.isEmpty()
                             ? QString()
                             : tr("Другой журнал сохранён как %1; его можно открыть командой «Открыть журнал…».",
                                  nullptr, int(gathered.keptAside.size()))
                                   .arg(native(gathered.keptAside));
    m_messageBox.showMessage(tr("Лабораторный журнал"), (opened + kept).trimmed());
}

void JournalStore::autosave()
{
    QDir().mkpath(m_folder);
    const QString failure = AtomicFile::write(autosavePath(), JournalFile::write(m_model.journal()));
    if (failure.isEmpty()) {
        m_autosaveFailing = false;
#ifdef Q_OS_WASM
        WebStorage::persist();
#endif
        return;
    }
    if (m_autosaveFailing)
        return;
    m_autosaveFailing = true;
    reportSaveFailure(autosavePath(), failure);
}

void JournalStore::reportSaveFailure(const QString& path, const QString& reason)
{
    m_messageBox.showMessage(tr("Ошибка"),
                             tr("Не удалось сохранить журнал «%1»:\n%2.").arg(QDir::toNativeSeparators(path), reason));
}

bool JournalStore::saveAs(const QString& path)
{
    const QString failure = AtomicFile::write(path, JournalFile::write(m_model.journal()));
    if (!failure.isEmpty())
        reportSaveFailure(path, failure);
    return failure.isEmpty();
}

bool JournalStore::exportCsv(const QString& path, const QLocale& locale)
{
    const QString failure = AtomicFile::write(path, JournalTable::csv(m_model, locale));
    if (!failure.isEmpty())
        m_messageBox.showMessage(
            tr("Ошибка"), tr("Не удалось сохранить файл «%1»:\n%2.").arg(QDir::toNativeSeparators(path), failure));
    return failure.isEmpty();
}

bool JournalStore::keepCopy(QString* kept)
{
    if (kept)
        kept->clear();
    const Journal& old = m_model.journal();
    if (old.entries.empty() && old.drops.empty())
        return true;
    QDir().mkpath(m_folder);
    const QString path =
        QDir(m_folder).filePath(QStringLiteral("journal-%1.json")
                                    .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))));
    const QString failure = AtomicFile::write(path, JournalFile::write(old));
    if (!failure.isEmpty()) {
        // Not replaced: the old journal would be lost.
        reportSaveFailure(path, failure);
        return false;
    }
    if (kept)
        *kept = path;
    return true;
}

bool JournalStore::open(const QString& path, QString* kept)
{
    QFile file(path);
    QString reason;
    if (file.open(QIODevice::ReadOnly)) {
        const auto read = JournalFile::read(file.read(JournalFile::MaxSize + 1));
        if (const Journal* journal = std::get_if<Journal>(&read)) {
            if (!keepCopy(kept))
                return false;
            m_model.setJournal(*journal);
            return true;
        }
        reason = std::get<QString>(read);
    } else {
        reason = file.errorString();
    }
    m_messageBox.showMessage(tr("Ошибка"),
                             tr("Не удалось открыть журнал «%1»:\n%2.").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

bool JournalStore::startNew(QString* kept)
{
    if (!keepCopy(kept))
        return false;
    Journal fresh;
    fresh.seed = m_model.journal().seed;
    fresh.seedFixed = m_model.journal().seedFixed;
    // The task goes with its seed: a new journal of the same task is still the task's.
    fresh.task = m_model.journal().task;
    m_model.setJournal(std::move(fresh));
    return true;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AssignmentFolder.h"

#include "Assignment.h"
#include "AtomicFile.h"
#include "Roster.h"
#include "TaskFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

AssignmentFolder::Result AssignmentFolder::create(const QString& rosterPath, const QString& folder)
{
    const QString rosterName = QDir::toNativeSeparators(rosterPath);
    QFile file(rosterPath);
    if (QFileInfo(rosterPath).size() > Roster::MaxSize)
        return {false, tr("%1: файл слишком велик для списка группы").arg(rosterName)};
    if (!file.open(QIODevice::ReadOnly))
        return {false, tr("%1: не удалось прочитать (%2)").arg(rosterName, file.errorString())};
    const auto roster = Roster::read(file.read(Roster::MaxSize + 1));
    if (const auto* fault = std::get_if<Roster::Fault>(&roster)) {
        if (fault->line > 0)
            return {false, tr("%1: строка %2: %3").arg(rosterName).arg(fault->line).arg(fault->reason)};
        return {false, tr("%1: %2").arg(rosterName, fault->reason)};
    }

    const QDir dir(folder);
    const QString assignmentPath = dir.filePath(QString::fromLatin1(FileName));
    if (QFileInfo::exists(assignmentPath))
        return {false, tr("%1: задание уже есть, его секрет не заменяется; выберите другую папку")
                           .arg(QDir::toNativeSeparators(assignmentPath))};
    const QString tasks = dir.filePath(QString::fromLatin1(TasksFolder));
    if (!QDir().mkpath(tasks))
        return {false, tr("%1: не удалось создать папку").arg(QDir::toNativeSeparators(tasks))};

    const Assignment assignment = Assignment::create(std::get<std::vector<Student>>(roster));
    for (const Student& student : assignment.roster) {
        const QString path = QDir(tasks).filePath(student.id + QStringLiteral(".json"));
        if (const QString reason = AtomicFile::write(path, TaskFile::bytes(assignment.taskFor(student)));
            !reason.isEmpty())
            return {false, tr("%1: не удалось записать (%2)").arg(QDir::toNativeSeparators(path), reason)};
    }
    // Last: a folder with assignment.json has all its tasks.
    if (const QString reason = AtomicFile::write(assignmentPath, Assignment::write(assignment)); !reason.isEmpty())
        return {false, tr("%1: не удалось записать (%2)").arg(QDir::toNativeSeparators(assignmentPath), reason)};
    return {true, tr("Заданий: %1, в папке %2. Файл %3 храните у себя; каждому студенту — его файл из %4.")
                      .arg(assignment.roster.size())
                      .arg(QDir::toNativeSeparators(dir.absolutePath()), QString::fromLatin1(FileName),
                           QString::fromLatin1(TasksFolder))};
}

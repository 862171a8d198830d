// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rubric.h"
#include "Student.h"
#include "Task.h"
#include "TaskSettings.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

/// The teacher's assignment, kept in `assignment.json`: a secret of 256
/// random bits, from which each student's seed follows; the laboratory's
/// settings; the grade's rubric; and the roster. The secret never leaves it:
/// a student's task carries only the student's seed.
///
/// The file: UTF-8 JSON `{"format": "oildrop-assignment", "version": 1,
/// "secret": 64 lowercase hex digits, "settings": {...}, "rubric": {...},
/// "roster": [{"id", "name", "email", "group"}, ...]}`.
class Assignment {
    Q_DECLARE_TR_FUNCTIONS(Assignment)

public:
    static constexpr int Version = 1;
    static constexpr int SecretSize = 32; ///< bytes
    /// Larger files are not read, bytes.
    static constexpr qint64 MaxSize = 16 * 1024 * 1024;

    QByteArray secret; ///< SecretSize bytes
    TaskSettings settings;
    Rubric rubric;
    std::vector<Student> roster;

    /// A new assignment for `roster`, with a secret from the system's source of random numbers.
    static Assignment create(std::vector<Student> roster, const TaskSettings& settings = {});

    /// The seed of the student `id`: the first 8 bytes, big-endian, of
    /// HMAC-SHA-256 with the secret as the key and the id in UTF-8 as the message.
    static std::uint64_t seedFor(const QByteArray& secret, const QString& id);
    /// The task of `student`.
    Task taskFor(const Student& student) const;

    static QByteArray write(const Assignment& assignment);
    /// The assignment in `bytes`, or why it is refused (translated).
    static std::variant<Assignment, QString> read(const QByteArray& bytes);
};

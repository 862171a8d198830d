// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Assignment.h"

#include "Roster.h"
#include "TaskFile.h"
#include "TaskId.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSet>

#include <array>
#include <cmath>

namespace {

const QString AssignmentFormat = QStringLiteral("oildrop-assignment");

bool isLowerHex(const QString& text, qsizetype length)
{
    if (text.size() != length)
        return false;
    for (const QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    return true;
}

QJsonObject rubricObject(const Rubric& rubric)
{
    QJsonObject o;
    o.insert(QStringLiteral("accuracy"), rubric.accuracy);
    o.insert(QStringLiteral("coverage"), rubric.coverage);
    o.insert(QStringLiteral("charges"), rubric.charges);
    o.insert(QStringLiteral("integrity"), rubric.integrity);
    return o;
}

/// A weight of the rubric, 0 … MaximumWeight; false when it is not.
bool readWeight(const QJsonObject& o, const char* key, double& weight)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble() || !std::isfinite(v.toDouble()) || v.toDouble() < 0 || v.toDouble() > Rubric::MaximumWeight)
        return false;
    weight = v.toDouble();
    return true;
}

} // namespace

Assignment Assignment::create(std::vector<Student> roster, const TaskSettings& settings)
{
    Assignment a;
    a.settings = settings;
    a.roster = std::move(roster);
    std::array<quint32, SecretSize / sizeof(quint32)> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    a.secret = QByteArray(reinterpret_cast<const char*>(words.data()), SecretSize);
    return a;
}

std::uint64_t Assignment::seedFor(const QByteArray& secret, const QString& id)
{
    const QByteArray mac = QMessageAuthenticationCode::hash(id.toUtf8(), secret, QCryptographicHash::Sha256);
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = (seed << 8) | static_cast<std::uint8_t>(mac[i]);
    return seed;
}

Task Assignment::taskFor(const Student& student) const
{
    return Task{student.id, student.name, student.group, settings, seedFor(secret, student.id)};
}

QByteArray Assignment::write(const Assignment& assignment)
{
    QJsonArray roster;
    for (const Student& s : assignment.roster) {
        QJsonObject o;
        o.insert(QStringLiteral("id"), s.id);
        o.insert(QStringLiteral("name"), s.name);
        o.insert(QStringLiteral("email"), s.email);
        o.insert(QStringLiteral("group"), s.group);
        roster.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), AssignmentFormat);
    root.insert(QStringLiteral("version"), Version);
    root.insert(QStringLiteral("secret"), QString::fromLatin1(assignment.secret.toHex()));
    root.insert(QStringLiteral("settings"), TaskFile::settingsObject(assignment.settings));
    root.insert(QStringLiteral("rubric"), rubricObject(assignment.rubric));
    root.insert(QStringLiteral("roster"), roster);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<Assignment, QString> Assignment::read(const QByteArray& bytes)
{
    if (bytes.size() > MaxSize)
        return tr("файл слишком велик для задания группы");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return tr("файл повреждён или обрезан (%1, позиция %2)").arg(error.errorString()).arg(error.offset);
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != AssignmentFormat)
        return tr("это не файл задания группы");
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1)
        return tr("неверное значение «%1»").arg(QStringLiteral("version"));
    if (version.toDouble() > Version)
        return tr("задание записано более новой версией программы");

    Assignment a;
    const QString secret = root.value(QStringLiteral("secret")).toString();
    if (!isLowerHex(secret, 2 * SecretSize))
        return tr("неверное значение «%1»").arg(QStringLiteral("secret"));
    a.secret = QByteArray::fromHex(secret.toLatin1());

    QString fault;
    a.settings = TaskFile::readSettings(root.value(QStringLiteral("settings")), fault);
    if (!fault.isEmpty())
        return fault;

    const QJsonObject rubric = root.value(QStringLiteral("rubric")).toObject();
    for (const auto& [key, weight] :
         {std::pair{"accuracy", &a.rubric.accuracy}, std::pair{"coverage", &a.rubric.coverage},
          std::pair{"charges", &a.rubric.charges}, std::pair{"integrity", &a.rubric.integrity}})
        if (!readWeight(rubric, key, *weight))
            return tr("неверное значение «%1» в %2").arg(QLatin1String(key), QStringLiteral("rubric"));
    if (a.rubric.accuracy + a.rubric.coverage + a.rubric.charges + a.rubric.integrity <= 0)
        return tr("все веса оценки в «%1» равны нулю").arg(QStringLiteral("rubric"));

    const QJsonValue roster = root.value(QStringLiteral("roster"));
    if (!roster.isArray())
        return tr("в задании нет списка группы");
    if (roster.toArray().size() > Roster::MaxStudents)
        return tr("больше %1 студентов").arg(Roster::MaxStudents);
    QSet<QString> ids;
    int index = 0;
    for (const QJsonValue& value : roster.toArray()) {
        ++index;
        const QJsonObject o = value.toObject();
        Student s;
        const QString where = tr("студенте %1").arg(index);
        const auto text = [&](const char* key, QString& into, bool required) {
            const QJsonValue v = o.value(QLatin1String(key));
            if (!v.isString() || v.toString().size() > Roster::MaxFieldLength
                || (required && v.toString().trimmed().isEmpty()))
                return false;
            into = v.toString();
            return true;
        };
        if (!value.isObject())
            return tr("неверное значение в %1").arg(where);
        if (!text("id", s.id, true) || !TaskId::isSafe(s.id) || ids.contains(s.id.toCaseFolded()))
            return tr("неверное значение «%1» в %2").arg(QStringLiteral("id"), where);
        ids.insert(s.id.toCaseFolded());
        if (!text("name", s.name, true))
            return tr("неверное значение «%1» в %2").arg(QStringLiteral("name"), where);
        if (!text("email", s.email, false))
            return tr("неверное значение «%1» в %2").arg(QStringLiteral("email"), where);
        if (!text("group", s.group, false))
            return tr("неверное значение «%1» в %2").arg(QStringLiteral("group"), where);
        a.roster.push_back(std::move(s));
    }
    return a;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TaskFile.h"

#include "Roster.h"
#include "TaskId.h"

#include <QCryptographicHash>
#include <QJsonDocument>

#include <cmath>

namespace {

const QString TaskFormat = QStringLiteral("oildrop-task");

} // namespace

QJsonObject TaskFile::settingsObject(const TaskSettings& settings)
{
    QJsonObject o;
    o.insert(QStringLiteral("unknownDrops"), settings.unknownDrops);
    o.insert(QStringLiteral("brownian"), settings.brownian);
    o.insert(QStringLiteral("slipCorrection"), settings.slipCorrection);
    o.insert(QStringLiteral("pressure"), settings.pressure);
    o.insert(QStringLiteral("temperature"), settings.temperature);
    o.insert(QStringLiteral("coachShowsMultiples"), settings.coachShowsMultiples);
    return o;
}

TaskSettings TaskFile::readSettings(const QJsonValue& value, QString& fault)
{
    TaskSettings s;
    if (!value.isObject()) {
        fault = tr("нет ключа «%1»").arg(QStringLiteral("settings"));
        return s;
    }
    const QJsonObject o = value.toObject();
    const auto fail = [&](const char* key) {
        if (fault.isEmpty())
            fault = tr("неверное значение «%1» в %2").arg(QLatin1String(key), QStringLiteral("settings"));
    };
    const auto boolean = [&](const char* key, bool& into) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isBool())
            fail(key);
        into = v.toBool();
    };
    const auto number = [&](const char* key, double& into, double minimum, double maximum) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isDouble() || !std::isfinite(v.toDouble()) || v.toDouble() < minimum || v.toDouble() > maximum)
            fail(key);
        else
            into = v.toDouble();
    };
    boolean("unknownDrops", s.unknownDrops);
    boolean("brownian", s.brownian);
    boolean("slipCorrection", s.slipCorrection);
    number("pressure", s.pressure, TaskSettings::MinimumPressure, TaskSettings::MaximumPressure);
    number("temperature", s.temperature, TaskSettings::MinimumTemperature, TaskSettings::MaximumTemperature);
    boolean("coachShowsMultiples", s.coachShowsMultiples);
    return s;
}

QByteArray TaskFile::bytes(const Task& task)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), TaskFormat);
    root.insert(QStringLiteral("version"), Version);
    root.insert(QStringLiteral("id"), task.id);
    root.insert(QStringLiteral("name"), task.name);
    root.insert(QStringLiteral("group"), task.group);
    root.insert(QStringLiteral("settings"), settingsObject(task.settings));
    root.insert(QStringLiteral("seed"), QString::number(task.seed));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString TaskFile::hash(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

std::variant<Task, QString> TaskFile::read(const QByteArray& bytes)
{
    if (bytes.size() > MaxSize)
        return tr("файл слишком велик для задания");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return tr("файл повреждён или обрезан (%1, позиция %2)").arg(error.errorString()).arg(error.offset);
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != TaskFormat)
        return tr("это не задание лабораторной работы");
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1)
        return tr("неверное значение «%1»").arg(QStringLiteral("version"));
    if (version.toDouble() > Version)
        return tr("задание записано более новой версией программы");

    Task task;
    const auto text = [&](const char* key, QString& into, bool required) {
        const QJsonValue v = root.value(QLatin1String(key));
        if (!v.isString() || v.toString().size() > Roster::MaxFieldLength
            || (required && v.toString().trimmed().isEmpty()))
            return false;
        into = v.toString();
        return true;
    };
    if (!text("id", task.id, true) || !TaskId::isSafe(task.id))
        return tr("неверное значение «%1»").arg(QStringLiteral("id"));
    if (!text("name", task.name, true))
        return tr("неверное значение «%1»").arg(QStringLiteral("name"));
    if (!text("group", task.group, false))
        return tr("неверное значение «%1»").arg(QStringLiteral("group"));
    QString fault;
    task.settings = readSettings(root.value(QStringLiteral("settings")), fault);
    if (!fault.isEmpty())
        return fault;
    // Digits only: toULongLong alone would take a sign or spaces.
    const QString seed = root.value(QStringLiteral("seed")).toString();
    bool ok = !seed.isEmpty() && seed.size() <= 20;
    for (const QChar c : seed)
        ok = ok && c >= u'0' && c <= u'9';
    task.seed = ok ? seed.toULongLong(&ok) : 0;
    if (!ok)
        return tr("неверное значение «%1»").arg(QStringLiteral("seed"));
    return task;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RealismFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

QString RealismFile::key(RealismLevel level)
{
    switch (level) {
    case RealismLevel::Ideal: return QStringLiteral("ideal");
    case RealismLevel::Standard: return QStringLiteral("standard");
    case RealismLevel::Full: return QStringLiteral("full");
    }
    return {};
}

std::optional<RealismLevel> RealismFile::fromKey(const QString& word)
{
    for (const RealismLevel l : {RealismLevel::Ideal, RealismLevel::Standard, RealismLevel::Full})
        if (word == key(l))
            return l;
    return std::nullopt;
}

std::variant<RealismFile::Choice, QString> RealismFile::read(const QByteArray& bytes)
{
    if (bytes.size() > MaxSize)
        return tr("файл больше %1 байт").arg(MaxSize);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return tr("это не объект JSON");
    const QJsonObject root = document.object();
    Choice choice;
    const std::optional<RealismLevel> level = fromKey(root.value(QStringLiteral("level")).toString());
    if (!level)
        return tr("«level» должен быть «ideal», «standard» или «full»");
    const QJsonValue locked = root.value(QStringLiteral("locked"));
    if (!locked.isUndefined() && !locked.isBool())
        return tr("«locked» должен быть true или false");
    choice.level = *level;
    choice.locked = locked.toBool(false);
    return choice;
}

std::optional<QString> RealismFile::find()
{
    const QString path =
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("oildrop/realism.json"));
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

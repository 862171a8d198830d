// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalFile.h"

#include "ModelRange.h"
#include "RealismFile.h"
#include "TaskId.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
#include <set>

namespace {

const QString FormatName = QStringLiteral("oildrop-journal");

/// The largest magnitude of a number in a journal, and the smallest but 0: far
/// beyond any measurement or setup (in SI units), and narrow enough that the
/// analysis' products and quotients of them stay finite in double precision.
constexpr double LargestMagnitude = 1e30;
constexpr double SmallestMagnitude = 1e-30;

bool withinMagnitude(double value)
{
    const double magnitude = std::fabs(value);
    return std::isfinite(value) && (value == 0 || (magnitude >= SmallestMagnitude && magnitude <= LargestMagnitude));
}

QJsonValue optional(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QString sourceKey(JournalEntry::Source source)
{
    switch (source) {
    case JournalEntry::Source::Stopwatch: return QStringLiteral("stopwatch");
    case JournalEntry::Source::Plot: return QStringLiteral("plot");
    case JournalEntry::Source::Hand: return QStringLiteral("hand");
    case JournalEntry::Source::Balance: return QStringLiteral("balance");
    }
    return {};
}

/// Reads the fields of one object; the first fault is kept.
class Reader {
public:
    Reader(const QJsonObject& object, QString& fault, QString where)
        : m_object(object), m_fault(fault), m_where(std::move(where))
    {
    }

    double number(const char* key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isDouble())
            fail(key, v);
        else if (!withinMagnitude(v.toDouble()))
            failRange(key);
        return v.toDouble();
    }
    std::optional<double> optionalNumber(const char* key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isNull() || v.isUndefined())
            return std::nullopt;
        return number(key);
    }
    int integer(const char* key, int minimum)
    {
        const double v = number(key);
        if (v != std::floor(v) || v < minimum || v > 1e9)
            fail(key);
        return static_cast<int>(v);
    }
    bool boolean(const char* key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isBool())
            fail(key, v);
        return v.toBool();
    }
    QString string(const char* key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isString())
            fail(key, v);
        return v.toString();
    }
    /// A name, at most MaxNameLength characters; empty when there is none.
    QString optionalString(const char* key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return {};
        if (!v.isString() || v.toString().size() > JournalFile::MaxNameLength)
            fail(key);
        return v.toString().trimmed();
    }
    std::uint64_t seed(const char* key)
    {
        bool ok = false;
        const std::uint64_t value = string(key).toULongLong(&ok);
        if (!ok)
            fail(key);
        return value;
    }
    void fail(const char* key)
    {
        if (m_fault.isEmpty())
            m_fault = JournalFile::tr("неверное значение «%1» в %2").arg(QLatin1String(key), m_where);
    }
    /// A required key's value `v` was not what it must be; a key that is not
    /// there at all is named as missing, not as wrong.
    void fail(const char* key, const QJsonValue& v)
    {
        if (m_fault.isEmpty() && v.isUndefined())
            m_fault = JournalFile::tr("в %1 нет ключа «%2»").arg(m_where, QLatin1String(key));
        fail(key);
    }
    /// A number no setup or measurement can have (one that would overflow the
    /// single precision of the viscosity, say).
    void failRange(const char* key)
    {
        if (m_fault.isEmpty())
            m_fault = JournalFile::tr("значение «%1» в %2 вне допустимых пределов").arg(QLatin1String(key), m_where);
    }

private:
    const QJsonObject& m_object;
    QString& m_fault;
    QString m_where;
};

} // namespace

QByteArray JournalFile::write(const Journal& journal)
{
    QJsonArray drops;
    for (const JournalDrop& d : journal.drops) {
        QJsonObject o;
        o.insert(QStringLiteral("number"), d.number);
        o.insert(QStringLiteral("started"), d.started.toUTC().toString(Qt::ISODateWithMs));
        o.insert(QStringLiteral("plateGap"), d.setup.DD);
        o.insert(QStringLiteral("voltage"), d.setup.Ux);
        o.insert(QStringLiteral("diameter"), d.diameterHidden ? QJsonValue(QJsonValue::Null) : QJsonValue(d.setup.d));
        o.insert(QStringLiteral("dropletDensity"), d.setup.r);
        o.insert(QStringLiteral("mediumDensity"), d.setup.r0);
        o.insert(QStringLiteral("viscosity"), static_cast<double>(d.setup.eta));
        o.insert(QStringLiteral("diameterHidden"), d.diameterHidden);
        o.insert(QStringLiteral("brownian"), d.brownian);
        o.insert(QStringLiteral("seed"), QString::number(d.seed));
        o.insert(QStringLiteral("lost"), d.lost);
        // The air and the slip correction, only where the drop has them.
        if (d.pressure)
            o.insert(QStringLiteral("pressure"), *d.pressure);
        if (d.temperature)
            o.insert(QStringLiteral("temperature"), *d.temperature);
        if (d.slipCorrection)
            o.insert(QStringLiteral("slipCorrection"), true);
        if (d.fallDistance)
            o.insert(QStringLiteral("fallDistance"), *d.fallDistance);
        if (!d.events.empty()) {
            QJsonArray events;
            for (const DropEvent& event : d.events) {
                QJsonObject e;
                e.insert(QStringLiteral("t"), event.t);
                if (event.kind == DropEvent::Kind::Light) {
                    e.insert(QStringLiteral("light"), true);
                } else {
                    e.insert(QStringLiteral("field"), FieldStates::key(event.field));
                    e.insert(QStringLiteral("voltage"), event.voltage);
                }
                events.append(e);
            }
            o.insert(QStringLiteral("events"), events);
        }
        if (d.startCharge)
            o.insert(QStringLiteral("startCharge"), *d.startCharge);
        if (d.level)
            o.insert(QStringLiteral("level"), RealismFile::key(*d.level));
        if (d.caught) {
            QJsonObject c;
            c.insert(QStringLiteral("spray"), d.caught->spray);
            c.insert(QStringLiteral("spraySeed"), QString::number(d.caught->spraySeed));
            c.insert(QStringLiteral("droplet"), d.caught->droplet);
            c.insert(QStringLiteral("sprayTime"), d.caught->sprayTime);
            c.insert(QStringLiteral("depth"), d.caught->depth);
            o.insert(QStringLiteral("caught"), c);
        }
        if (!d.irradiatedInField.empty()) {
            QJsonArray states;
            for (const int state : d.irradiatedInField)
                states.append(state);
            o.insert(QStringLiteral("irradiatedInField"), states);
        }
        drops.append(o);
    }
    QJsonArray entries;
    for (const JournalEntry& e : journal.entries) {
        QJsonObject o;
        o.insert(QStringLiteral("drop"), e.drop);
        o.insert(QStringLiteral("field"), FieldStates::key(e.field));
        o.insert(QStringLiteral("charge"), e.chargeState);
        o.insert(QStringLiteral("voltage"), optional(e.voltage));
        o.insert(QStringLiteral("bands"), optional(e.bands));
        o.insert(QStringLiteral("distance"), optional(e.distance));
        o.insert(QStringLiteral("time"), optional(e.time));
        o.insert(QStringLiteral("velocity"), optional(e.velocity));
        if (e.started && e.ended) {
            o.insert(QStringLiteral("started"), *e.started);
            o.insert(QStringLiteral("ended"), *e.ended);
        }
        o.insert(QStringLiteral("uncertainty"), e.uncertainty);
        o.insert(QStringLiteral("source"), sourceKey(e.source));
        o.insert(QStringLiteral("deleted"), e.deleted);
        o.insert(QStringLiteral("reason"), e.reason);
        entries.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), FormatName);
    root.insert(QStringLiteral("version"), Version);
    root.insert(QStringLiteral("seed"), QString::number(journal.seed));
    root.insert(QStringLiteral("seedFixed"), journal.seedFixed);
    if (!journal.student.isEmpty())
        root.insert(QStringLiteral("student"), journal.student);
    if (!journal.group.isEmpty())
        root.insert(QStringLiteral("group"), journal.group);
    if (journal.task) {
        QJsonObject task;
        task.insert(QStringLiteral("id"), journal.task->id);
        task.insert(QStringLiteral("sha256"), journal.task->sha256);
        root.insert(QStringLiteral("task"), task);
    }
    root.insert(QStringLiteral("drops"), drops);
    root.insert(QStringLiteral("entries"), entries);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

namespace {

/// Why the header refuses the file, empty when it is a journal this version reads.
QString headerFault(const QJsonDocument& document)
{
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != FormatName)
        return JournalFile::tr("это не лабораторный журнал программы");
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1)
        return JournalFile::tr("не указана версия формата журнала");
    if (version.toDouble() > JournalFile::Version)
        return JournalFile::tr("журнал записан более новой версией программы (формат %1, эта версия читает формат %2)")
            .arg(version.toDouble())
            .arg(JournalFile::Version);
    return {};
}

/// Drop `index` (from 1) of a file of `version`; the first fault goes to `fault`.
JournalDrop readDrop(const QJsonValue& value, int version, int index, QString& fault)
{
    const QJsonObject o = value.toObject();
    Reader r(o, fault, JournalFile::tr("капле %1").arg(index));
    if (!value.isObject())
        r.fail("drops");
    JournalDrop d;
    d.number = r.integer("number", 1);
    d.started = QDateTime::fromString(r.string("started"), Qt::ISODateWithMs);
    if (!d.started.isValid())
        r.fail("started");
    d.setup.DD = r.number("plateGap");
    d.setup.Ux = r.number("voltage");
    d.diameterHidden = r.boolean("diameterHidden");
    d.setup.d = r.optionalNumber("diameter").value_or(0);
    d.setup.r = r.number("dropletDensity");
    d.setup.r0 = r.number("mediumDensity");
    const double viscosity = r.number("viscosity");
    // Kept in single precision: it must neither overflow nor vanish there.
    if (!(std::fabs(viscosity) >= FLT_MIN && std::fabs(viscosity) <= FLT_MAX))
        r.failRange("viscosity");
    d.setup.eta = static_cast<float>(viscosity);
    d.brownian = r.boolean("brownian");
    d.seed = r.seed("seed");
    // Version 1 knew no held drops, and a file written by other hands may
    // not know them either: without the key, nothing was lost.
    d.lost = version >= 2 && o.contains(QLatin1String("lost")) && r.boolean("lost");
    // Optional: the air, the slip correction (absent: none) and a real apparatus's distance.
    d.pressure = r.optionalNumber("pressure");
    d.temperature = r.optionalNumber("temperature");
    d.slipCorrection = o.contains(QLatin1String("slipCorrection")) && r.boolean("slipCorrection");
    d.fallDistance = r.optionalNumber("fallDistance");
    // Optional: the charge states an irradiation with the field on gave (absent: none).
    const QJsonValue inField = o.value(QLatin1String("irradiatedInField"));
    if (!inField.isUndefined()) {
        const QJsonArray states = inField.toArray();
        if (!inField.isArray() || states.size() > 10000)
            r.fail("irradiatedInField");
        for (const QJsonValue& state : states) {
            if (!state.isDouble() || state.toDouble() != std::floor(state.toDouble()) || state.toDouble() < 1
                || state.toDouble() > 1e9) {
                r.fail("irradiatedInField");
                break;
            }
            d.irradiatedInField.push_back(static_cast<int>(state.toDouble()));
        }
    }
    // Optional: the changes of its course (absent: none recorded) and a charge chosen by hand.
    const QJsonValue events = o.value(QLatin1String("events"));
    if (!events.isUndefined()) {
        if (!events.isArray() || events.toArray().size() > JournalFile::MaxEvents)
            r.fail("events");
        for (const QJsonValue& value : events.toArray()) {
            const QJsonObject e = value.toObject();
            Reader er(e, fault, JournalFile::tr("капле %1").arg(index));
            DropEvent event;
            event.t = er.number("t");
            if (e.contains(QLatin1String("light"))) {
                event.kind = DropEvent::Kind::Light;
                if (!er.boolean("light"))
                    er.fail("light");
            } else {
                const std::optional<FieldState> field = FieldStates::fromKey(er.string("field"));
                if (!field)
                    er.fail("field");
                event.field = field.value_or(FieldState::Off);
                event.voltage = er.number("voltage");
            }
            if (!value.isObject() || !(event.t >= 0) || (!d.events.empty() && event.t < d.events.back().t)) {
                r.fail("events");
                break;
            }
            d.events.push_back(event);
        }
    }
    if (o.contains(QLatin1String("startCharge")))
        d.startCharge = r.integer("startCharge", -100000);
    if (o.contains(QLatin1String("level"))) {
        d.level = RealismFile::fromKey(r.string("level"));
        if (!d.level)
            r.fail("level");
    }
    if (o.contains(QLatin1String("caught"))) {
        const QJsonObject caught = o.value(QLatin1String("caught")).toObject();
        Reader cr(caught, fault, JournalFile::tr("капле %1").arg(index));
        CaughtDroplet c;
        c.spray = cr.integer("spray", 1);
        c.spraySeed = cr.seed("spraySeed");
        c.droplet = cr.integer("droplet", 1);
        c.sprayTime = cr.number("sprayTime");
        c.depth = cr.number("depth");
        if (!o.value(QLatin1String("caught")).isObject() || !(c.sprayTime >= 0) || !(c.depth >= 0))
            r.fail("caught");
        d.caught = c;
    }
    if (d.pressure && !(*d.pressure > 0))
        r.fail("pressure");
    if (d.slipCorrection && !d.pressure)
        r.fail("slipCorrection");
    if (d.temperature && !(*d.temperature > 0))
        r.fail("temperature");
    if (d.fallDistance && !(*d.fallDistance > 0))
        r.fail("fallDistance");
    if (!(d.setup.DD > 0 && d.setup.Ux != 0 && d.setup.r > d.setup.r0 && d.setup.r0 > 0 && d.setup.eta > 0
          && (d.diameterHidden || d.setup.d > 0)))
        r.fail("drops");
    // A drop of known size ran in a setup the model computes; no other was ever recorded.
    if (!d.diameterHidden && !ModelRange::computable(d.setup))
        r.failRange("drops");
    return d;
}

std::optional<JournalEntry::Source> sourceOf(const QString& key)
{
    using S = JournalEntry::Source;
    for (const S source : {S::Stopwatch, S::Plot, S::Hand, S::Balance})
        if (sourceKey(source) == key)
            return source;
    return std::nullopt;
}

/// The field and the charge state of a version-1 measurement, from its
/// phase: without field, the first charge, after the k-th irradiation.
void readPhase(Reader& r, JournalEntry& e)
{
    const QString phase = r.string("phase");
    const int irradiation = r.integer("irradiation", 0);
    if (phase == QStringLiteral("noField")) {
        e.field = FieldState::Off;
        e.chargeState = 0;
    } else if (phase == QStringLiteral("firstCharge")) {
        e.field = FieldState::On;
        e.chargeState = 0;
    } else if (phase == QStringLiteral("irradiated")) {
        e.field = FieldState::On;
        e.chargeState = std::max(1, irradiation);
    } else {
        r.fail("phase");
    }
}

/// Measurement `index` (from 1) of a file of `version` with the drops
/// `numbers`; the first fault goes to `fault`.
JournalEntry readEntry(const QJsonValue& value, int version, int index, const std::set<int>& numbers, QString& fault)
{
    const QJsonObject o = value.toObject();
    Reader r(o, fault, JournalFile::tr("измерении %1").arg(index));
    if (!value.isObject())
        r.fail("entries");
    JournalEntry e;
    e.drop = r.integer("drop", 1);
    if (!numbers.count(e.drop))
        r.fail("drop");
    if (version < 2) {
        readPhase(r, e);
    } else {
        const std::optional<FieldState> field = FieldStates::fromKey(r.string("field"));
        if (!field)
            r.fail("field");
        e.field = field.value_or(FieldState::Off);
        e.chargeState = r.integer("charge", 0);
        e.voltage = r.optionalNumber("voltage");
        if (e.voltage && *e.voltage == 0)
            r.fail("voltage");
    }
    e.bands = r.optionalNumber("bands");
    e.distance = r.optionalNumber("distance");
    e.time = r.optionalNumber("time");
    e.velocity = r.optionalNumber("velocity");
    e.started = r.optionalNumber("started");
    e.ended = r.optionalNumber("ended");
    if (e.started.has_value() != e.ended.has_value() || (e.started && !(*e.started >= 0 && *e.ended >= *e.started)))
        r.fail("started");
    e.uncertainty = r.number("uncertainty");
    if (e.time && !(*e.time > 0))
        r.fail("time");
    if (e.uncertainty < 0)
        r.fail("uncertainty");
    const std::optional<JournalEntry::Source> source = sourceOf(r.string("source"));
    if (!source || (version < 2 && *source == JournalEntry::Source::Balance))
        r.fail("source");
    e.source = source.value_or(JournalEntry::Source::Hand);
    if (e.isBalance() && (!e.voltage || e.field == FieldState::Off))
        r.fail("voltage");
    e.deleted = r.boolean("deleted");
    e.reason = r.string("reason");
    return e;
}

} // namespace

std::variant<Journal, QString> JournalFile::read(const QByteArray& bytes)
{
    if (bytes.size() > MaxSize)
        return tr("файл слишком велик для журнала");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return tr("файл повреждён или обрезан (%1, позиция %2)").arg(error.errorString()).arg(error.offset);
    if (const QString fault = headerFault(document); !fault.isEmpty())
        return fault;

    const QJsonObject root = document.object();
    const int version = root.value(QStringLiteral("version")).toInt();
    Journal journal;
    QString fault;
    Reader top(root, fault, tr("заголовке"));
    journal.seed = top.seed("seed");
    journal.seedFixed = top.boolean("seedFixed");
    journal.student = top.optionalString("student");
    journal.group = top.optionalString("group");
    if (const QJsonValue task = root.value(QStringLiteral("task")); !task.isUndefined()) {
        const QJsonObject o = task.toObject();
        const QString id = o.value(QStringLiteral("id")).toString();
        const QString sha256 = o.value(QStringLiteral("sha256")).toString();
        static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
        if (!task.isObject() || !TaskId::isSafe(id) || !hex.match(sha256).hasMatch())
            top.fail("task");
        journal.task = JournalTask{id, sha256};
    }
    if (!fault.isEmpty())
        return fault;
    const QJsonValue drops = root.value(QStringLiteral("drops"));
    const QJsonValue entries = root.value(QStringLiteral("entries"));
    if (!drops.isArray() || !entries.isArray())
        return tr("в журнале нет списка капель или измерений");

    std::set<int> numbers;
    int index = 0;
    for (const QJsonValue& value : drops.toArray()) {
        const JournalDrop d = readDrop(value, version, ++index, fault);
        // Numbered in the order of their starts.
        if (fault.isEmpty() && !numbers.empty() && d.number <= *numbers.rbegin())
            fault = tr("неверное значение «%1» в %2").arg(QStringLiteral("number"), tr("капле %1").arg(index));
        numbers.insert(d.number);
        if (!fault.isEmpty())
            return fault;
        journal.drops.push_back(d);
    }
    index = 0;
    for (const QJsonValue& value : entries.toArray()) {
        JournalEntry e = readEntry(value, version, ++index, numbers, fault);
        if (!fault.isEmpty())
            return fault;
        journal.entries.push_back(std::move(e));
    }
    return journal;
}

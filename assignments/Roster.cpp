// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Roster.h"

#include "TaskId.h"

#include <QSet>
#include <QStringDecoder>

#include <array>

namespace {

/// One record of the file and the line it begins on.
struct Record {
    int line = 0;
    QStringList fields;
};

/// The separator the header line uses: `;` if it has one outside quotes, else `,`.
QChar separatorOf(const QString& text)
{
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'\n')
            break;
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u';')
            return u';';
    }
    return u',';
}

/// Splits `text` into records; a quoted field may hold the separator, quotes
/// doubled and line breaks. False when a quote is left open.
bool split(const QString& text, QChar separator, std::vector<Record>& records, int& openLine)
{
    int line = 1;
    Record record{1, {}};
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    const auto endRecord = [&] {
        record.fields << (wasQuoted ? field : field.trimmed());
        records.push_back(std::move(record));
        record = Record{line, {}};
        field.clear();
        wasQuoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            quoted = true;
            wasQuoted = true;
            field.clear();
        } else if (c == separator) {
            record.fields << (wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else if (c == u'\n') {
            ++line;
            endRecord();
        } else if (c != u'\r') {
            field += c;
        }
    }
    if (quoted) {
        openLine = record.line;
        return false;
    }
    if (!field.isEmpty() || wasQuoted || !record.fields.isEmpty())
        endRecord();
    return true;
}

bool blank(const Record& record)
{
    for (const QString& f : record.fields)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

std::variant<std::vector<Student>, Roster::Fault> Roster::read(const QByteArray& bytes)
{
    if (bytes.size() > MaxSize)
        return Fault{0, tr("файл слишком велик для списка группы")};
    // The default flags drop a byte-order mark at the start.
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return Fault{0, tr("файл не в кодировке UTF-8")};

    std::vector<Record> records;
    int openLine = 0;
    if (!split(text, separatorOf(text), records, openLine))
        return Fault{openLine, tr("кавычка не закрыта")};
    std::erase_if(records, blank);
    if (records.empty())
        return Fault{0, tr("файл пуст: нет строки заголовка")};

    // The header: the column of each key.
    const Record& header = records.front();
    const std::array<QString, 4> keys{QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("email"),
                                      QStringLiteral("group")};
    std::array<qsizetype, 4> column{-1, -1, -1, -1};
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const QString name = header.fields[i].trimmed().toLower();
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (name != keys[k])
                continue;
            if (column[k] >= 0)
                return Fault{header.line, tr("столбец «%1» назван дважды").arg(keys[k])};
            column[k] = i;
        }
    }
    for (std::size_t k = 0; k < 3; ++k)
        if (column[k] < 0)
            return Fault{header.line, tr("нет столбца «%1»").arg(keys[k])};

    std::vector<Student> students;
    QSet<QString> ids;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Record& record = records[r];
        if (record.fields.size() != header.fields.size())
            return Fault{record.line, tr("%1 полей вместо %2").arg(record.fields.size()).arg(header.fields.size())};
        if (students.size() >= static_cast<std::size_t>(MaxStudents))
            return Fault{record.line, tr("больше %1 студентов").arg(MaxStudents)};
        Student student;
        student.id = record.fields[column[0]].trimmed();
        student.name = record.fields[column[1]].trimmed();
        student.email = record.fields[column[2]].trimmed();
        if (column[3] >= 0)
            student.group = record.fields[column[3]].trimmed();
        if (student.id.isEmpty())
            return Fault{record.line, tr("пустой id")};
        if (!TaskId::isSafe(student.id))
            return Fault{record.line, tr("id «%1» не годится для имени файла: можно буквы, цифры, «-», «_» и «.» "
                                         "(не первой), не больше %2 знаков")
                                          .arg(student.id.left(TaskId::MaxLength))
                                          .arg(TaskId::MaxLength)};
        // Task files are named by the id: on a file system that ignores
        // letter case, two ids that differ only in case would be one file.
        const QString folded = student.id.toCaseFolded();
        if (ids.contains(folded))
            return Fault{record.line, tr("id «%1» повторяется").arg(student.id)};
        ids.insert(folded);
        if (student.name.isEmpty())
            return Fault{record.line, tr("пустое имя")};
        if (student.name.size() > MaxFieldLength || student.email.size() > MaxFieldLength
            || student.group.size() > MaxFieldLength)
            return Fault{record.line, tr("поле длиннее %1 знаков").arg(MaxFieldLength)};
        students.push_back(std::move(student));
    }
    if (students.empty())
        return Fault{0, tr("в списке нет ни одного студента")};
    return students;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: the journal's reader and the pooling of a group's
// journals, the code that reads the files students made, damaged or edited by
// hand.
//
// The property is the round trip: every file the reader accepts is analysed
// (alone and pooled with itself), written, and read back accepted and equal
// (written again, the same bytes). A file accepted once must never be refused
// at the next start.

#include "ClassPool.h"
#include "GradeBook.h"
#include "JournalAnalysis.h"
#include "JournalFile.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

/// Files accepted, printed at the end of the run.
struct Counts {
    unsigned long long read = 0, accepted = 0;
    ~Counts() { std::fprintf(stderr, "journals read: %llu, accepted: %llu\n", read, accepted); }
} counts;

[[noreturn]] void fail(const char* what, const QByteArray& bytes)
{
    std::fprintf(stderr, "round trip broken: %s\n%s\n", what, bytes.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ++counts.read;
    const auto read = JournalFile::read(bytes);
    const Journal* journal = std::get_if<Journal>(&read);
    if (!journal) {
        if (std::get<QString>(read).isEmpty())
            fail("refused without a reason", bytes);
        return 0;
    }
    ++counts.accepted;
    const JournalAnalysis::Result analysis = JournalAnalysis::analyse(*journal);
    if (analysis.entryCharges.size() != journal->entries.size())
        fail("a charge per entry", bytes);
    for (const JournalAnalysis::DropCharge& c : analysis.charges)
        if (!std::isfinite(c.q) || !std::isfinite(c.u))
            fail("a charge that is not finite", bytes);

    // The grader replays and grades what the file says (within its budget),
    // as the journal of the task it names.
    Assignment assignment;
    assignment.secret = QByteArray(Assignment::SecretSize, 'k');
    assignment.roster = {{journal->task ? journal->task->id : QStringLiteral("s"), QStringLiteral("S"), {}, {}}};
    GradeBook book(assignment);
    book.add(QStringLiteral("j.json"), bytes);
    if (book.grades().size() != 1 || (book.grades()[0].grade && !std::isfinite(*book.grades()[0].grade)))
        fail("the grade", bytes);

    const QByteArray written = JournalFile::write(*journal);
    const auto back = JournalFile::read(written);
    const Journal* again = std::get_if<Journal>(&back);
    if (!again)
        fail(qPrintable(QStringLiteral("written, then refused: ") + std::get<QString>(back)), written);
    if (JournalFile::write(*again) != written)
        fail("read back different", written);

    // Pooled with itself: two files of one student, the drops renumbered;
    // the second, with the same measurements, is the first's copy and its
    // charges are not counted again (a journal without one is no copy).
    ClassPool pool;
    pool.add(QStringLiteral("a.json"), bytes);
    pool.add(QStringLiteral("b.json"), written);
    pool.pool();
    if (pool.members().size() != 2)
        fail("pooled, a journal lost", bytes);
    const bool copy = pool.members()[1].copyOf.has_value();
    if (copy && journal->entries.empty())
        fail("a journal without measurements taken for a copy", bytes);
    if (pool.pooledAnalysis().charges.size() != (copy ? 1 : 2) * analysis.charges.size())
        fail("pooled, a journal's charges lost", bytes);
    return 0;
}

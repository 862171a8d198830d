// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: the leading-number reader and the six input handlers.
//
// The input is a sequence of edits: one byte chooses the field, the following
// bytes up to a NUL are the text (UTF-8). After every edit the state must be
// valid and computable, the field must read back as its variable, and every
// chain of nested handler runs must have ended.

#include "FakeMainWindow.h"
#include "StateInvariants.h"

#include "NumberReader.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

/// Edits tried, printed at the end of the run.
struct EditCount {
    unsigned long long edits = 0;
    ~EditCount() { std::fprintf(stderr, "edits tried: %llu\n", edits); }
} editCount;

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "invariant violated: %s\n", qPrintable(what));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ControlId inputs[] = {ControlId::plateGapEdit,      ControlId::voltageEdit,
                                       ControlId::diameterEdit,      ControlId::dropletDensityEdit,
                                       ControlId::mediumDensityEdit, ControlId::viscosityEdit};
    // One window for the whole run: the state carries over, as in a long session.
    static std::unique_ptr<FakeMainWindow> form = [] {
        auto f = std::make_unique<FakeMainWindow>();
        f->start();
        return f;
    }();

    std::size_t pos = 0;
    while (pos < size) {
        const std::size_t field = data[pos++] % 6;
        std::size_t end = pos;
        while (end < size && data[end] != 0)
            ++end;
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char*>(data + pos), static_cast<qsizetype>(end - pos));
        pos = end + 1;

        // The reader on its own: never a NaN, infinity only out of range.
        const NumberReader::Result reading = NumberReader::read(text);
        if (std::isnan(reading.value) || (reading.inRange && !std::isfinite(reading.value)))
            fail(QStringLiteral("reader gave %1 for \"%2\"").arg(reading.value).arg(text));

        form->control(inputs[field]).setText(text);
        ++editCount.edits;
        const ExperimentState& s = form->state();
        const QString violation = stateViolation(s);
        if (!violation.isEmpty())
            fail(violation);
        if (form->simulation().inputs().deepestNesting() > 4)
            fail(QStringLiteral("nesting too deep"));
        const double values[] = {s.DD, s.Ux, s.d, s.r, s.r0, static_cast<double>(s.eta)};
        const double read = NumberReader::read(form->control(inputs[field]).text()).value;
        if (field == 5 ? static_cast<float>(read) != s.eta : read != values[field])
            fail(QStringLiteral("field %1 does not read back").arg(QLatin1String(controlName(inputs[field]))));
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"
#include "StateInvariants.h"

#include "NumberReader.h"

#include <QtTest>

#include <random>

/// Many generated texts through the six input handlers, on fakes: after every
/// change the state is valid, every derived quantity finite, every chain of
/// nested runs ended, and the field reads back as its variable.
class tst_inputs_fuzz : public QObject {
    Q_OBJECT

private slots:
    void generatedTexts();
};

namespace {

/// Texts of every kind a student could type or paste.
class TextGenerator {
public:
    explicit TextGenerator(std::uint32_t seed) : m_random(seed) {}

    QString next()
    {
        switch (pick(10)) {
        case 0: return QString::number(uniform(-1e4, 1e4), 'g', static_cast<int>(1 + pick(17)));
        case 1: return number(); // with an exponent, often extreme
        case 2: return noise(1 + pick(12));
        case 3: return noise(pick(3));
        case 4: return number() + noise(1 + pick(5));                                             // trailing garbage
        case 5: return QString(static_cast<int>(1 + pick(3000)), QChar(u"0123456789"[pick(10)])); // very long
        case 6: {
            QString s = number();
            s.insert(static_cast<int>(pick(static_cast<std::uint32_t>(s.size() + 1))), u' ');
            return s;
        }
        case 7: return QStringLiteral("%1,%2").arg(pick(2000)).arg(pick(100)); // decimal comma
        case 8: {
            static const char* const edges[] = {"1e308",     "1.8e308",
                                                "1e-308",    "4.9e-324",
                                                "1e-320",    "-0",
                                                "0e999",     "1e39",
                                                "1e-45",     "3.4e38",
                                                "1.17e-38",  "9e-324",
                                                "2e-38",     ".",
                                                "-",         "+",
                                                "e5",        "1e",
                                                "1e+",       "--1",
                                                "1.2.3",     "5D-6",
                                                "0.0000001", "1e400",
                                                "-1e400",    "1000000000000000000000"};
            return QString::fromLatin1(edges[pick(std::size(edges))]);
        }
        default: return QString::number(uniform(0, 3000), 'f', static_cast<int>(pick(6)));
        }
    }

private:
    std::uint32_t pick(std::size_t n) { return static_cast<std::uint32_t>(m_random() % n); }
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(m_random); }

    QString number()
    {
        const int exponent = static_cast<int>(pick(700)) - 350;
        const QString mantissa = QString::number(uniform(-10, 10), 'f', static_cast<int>(pick(8)));
        return mantissa + (pick(2) ? u'e' : u'D') + QString::number(exponent);
    }

    QString noise(std::size_t length)
    {
        static const QString alphabet = QStringLiteral("0123456789+-.,eEdD \t\nabcxyzЖжёπ∞%$#()/*−");
        QString s;
        for (std::size_t i = 0; i < length; ++i)
            s += alphabet[static_cast<int>(pick(static_cast<std::size_t>(alphabet.size())))];
        return s;
    }

    std::mt19937 m_random;
};

} // namespace

void tst_inputs_fuzz::generatedTexts()
{
    const int count = qEnvironmentVariableIntValue("OILDROP_FUZZ_COUNT") > 0
                          ? qEnvironmentVariableIntValue("OILDROP_FUZZ_COUNT")
                          : 100000;
    FakeMainWindow form;
    form.start();
    TextGenerator generator(20261207);
    const ControlId inputs[] = {ControlId::plateGapEdit,       ControlId::voltageEdit,       ControlId::diameterEdit,
                                ControlId::dropletDensityEdit, ControlId::mediumDensityEdit, ControlId::viscosityEdit};
    std::mt19937 choose(7);
    int rejected = 0;
    for (int i = 0; i < count; ++i) {
        const std::size_t field = choose() % 6;
        const QString text = generator.next();
        const std::size_t boxes = form.messageBox.shown.size();
        form.control(inputs[field]).setText(text);
        rejected += form.messageBox.shown.size() > boxes;

        const ExperimentState& s = form.state();
        const QString violation = stateViolation(s);
        if (!violation.isEmpty())
            QFAIL(qPrintable(QStringLiteral("after \"%1\" in %2: %3")
                                 .arg(text.left(80), QLatin1String(controlName(inputs[field])), violation)));
        // Every chain of nested runs has ended, and never went deeper than a double rejection's.
        QVERIFY(form.simulation().inputs().deepestNesting() <= 4);
        // The field reads back as its variable.
        const double values[] = {s.DD, s.Ux, s.d, s.r, s.r0, static_cast<double>(s.eta)};
        const double read = NumberReader::read(form.control(inputs[field]).text()).value;
        if (field == 5)
            QCOMPARE(static_cast<float>(read), s.eta);
        else
            QVERIFY2(read == values[field], qPrintable(text.left(80)));
    }
    // The generator reaches both sides of the rules.
    QVERIFY(rejected > count / 10);
    QVERIFY(rejected < count * 9 / 10);
    qInfo("%d texts tried, %d rejected", count, rejected);
}

QTEST_APPLESS_MAIN(tst_inputs_fuzz)
#include "tst_inputs_fuzz.moc"

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sound.h"
#include "ToneSynthesizer.h"

#include "FakeToneGenerator.h"

#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <vector>

/// Tone synthesis: frequency, length, amplitude and the fades that keep tones from clicking.
class tst_tones : public QObject {
    Q_OBJECT

private slots:
    void lengthInSamples_data();
    void lengthInSamples();
    void melodyFrequenciesAndLengths_data();
    void melodyFrequenciesAndLengths();
    void fadesAtBothEnds();
    void noClickBetweenMelodyTones();
    void degenerateTones();
};

namespace {

/// Frequency estimated from the sign changes of the samples, Hz.
double measuredFrequency(const std::vector<std::int16_t>& samples, int rate)
{
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        if ((samples[i - 1] < 0) != (samples[i] < 0))
            ++crossings;
    return crossings / 2.0 / (static_cast<double>(samples.size()) / rate);
}

} // namespace

void tst_tones::lengthInSamples_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("samples");
    QTest::newRow("600 ms at 48 kHz") << 600 << 48000 << 28800;
    QTest::newRow("300 ms at 44.1 kHz") << 300 << 44100 << 13230;
    QTest::newRow("1 ms at 44.1 kHz rounds") << 1 << 44100 << 44;
    QTest::newRow("0 ms") << 0 << 48000 << 0;
}

void tst_tones::lengthInSamples()
{
    QFETCH(int, ms);
    QFETCH(int, rate);
    QFETCH(int, samples);
    QCOMPARE(static_cast<int>(ToneSynthesizer::render(880, ms, rate).size()), samples);
}

void tst_tones::melodyFrequenciesAndLengths_data()
{
    QTest::addColumn<int>("hertz");
    QTest::addColumn<int>("ms");
    int index = 1;
    for (const Sound::Note& note : Sound::FailureMelody)
        QTest::addRow("note %d", index++) << note.hertz << note.factor * 100;
}

void tst_tones::melodyFrequenciesAndLengths()
{
    QFETCH(int, hertz);
    QFETCH(int, ms);
    // The notes as the melody asks for them, rendered as they would be played.
    FakeToneGenerator recorder;
    Sound(recorder).playFailureMelody(100);
    const int rate = 48000;
    for (const auto& [h, duration] : recorder.tones) {
        if (h != hertz || duration != ms)
            continue;
        const auto samples = ToneSynthesizer::render(h, duration, rate);
        QCOMPARE(static_cast<int>(samples.size()), duration * rate / 1000);
        // Within 1 Hz: the crossing count of a whole number of half periods.
        QVERIFY2(std::fabs(measuredFrequency(samples, rate) - hertz) <= 1.5,
                 qPrintable(QString::number(measuredFrequency(samples, rate))));
        return;
    }
    QFAIL("note not played by the melody");
}

void tst_tones::fadesAtBothEnds()
{
    const int rate = 48000;
    const auto samples = ToneSynthesizer::render(880, 600, rate);
    const int peak = static_cast<int>(std::lround(ToneSynthesizer::Amplitude * 32767));
    QCOMPARE(samples.front(), std::int16_t(0));
    QVERIFY(std::abs(samples.back()) < 50);
    // Quiet during the first fraction of the fade, full amplitude in the middle.
    const auto fade = static_cast<std::size_t>(ToneSynthesizer::FadeMilliseconds * rate / 1000);
    int earlyMax = 0;
    for (std::size_t i = 0; i < fade / 8; ++i)
        earlyMax = std::max(earlyMax, std::abs(static_cast<int>(samples[i])));
    QVERIFY(earlyMax < peak / 10);
    int middleMax = 0;
    for (std::size_t i = samples.size() / 2; i < samples.size() / 2 + 200; ++i)
        middleMax = std::max(middleMax, std::abs(static_cast<int>(samples[i])));
    QVERIFY(std::abs(middleMax - peak) <= 2);
}

void tst_tones::noClickBetweenMelodyTones()
{
    // Played back to back, neighbouring samples never jump by more than a
    // full-amplitude sine does between two samples at the highest note.
    const int rate = 44100;
    std::vector<std::int16_t> all;
    for (const Sound::Note& note : Sound::FailureMelody) {
        const auto tone = ToneSynthesizer::render(note.hertz, note.factor * 100, rate);
        all.insert(all.end(), tone.begin(), tone.end());
    }
    QCOMPARE(static_cast<double>(all.size()), 12.2 * rate);
    const double maxStep = ToneSynthesizer::Amplitude * 32767 * 2 * M_PI * 1047 / rate + 2;
    for (std::size_t i = 1; i < all.size(); ++i)
        QVERIFY(std::abs(all[i] - all[i - 1]) <= maxStep);
}

void tst_tones::degenerateTones()
{
    const auto silent = ToneSynthesizer::render(0, 100, 48000);
    QCOMPARE(silent.size(), std::size_t(4800));
    for (std::int16_t s : silent)
        QCOMPARE(s, std::int16_t(0));
    QVERIFY(ToneSynthesizer::render(880, 100, 0).empty());
    // A very short tone still starts and ends quietly.
    const auto blip = ToneSynthesizer::render(880, 2, 48000);
    QCOMPARE(blip.front(), std::int16_t(0));
    QVERIFY(std::abs(blip.back()) < 2000);
}

QTEST_APPLESS_MAIN(tst_tones)
#include "tst_tones.moc"

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays tones through the real tone generator, or analyses a recording of
// what reached the audio server.
//
//   sound_probe play                 plays 523, 880 and 1047 Hz, 300 ms each, back to back
//   sound_probe check recording.raw  16-bit mono 44.1 kHz: the three tones must be
//                                    there, in order, each about 300 ms long, with
//                                    no silence between them
// Exit status 0 when all is well.

#include "QtToneGenerator.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr int Window = Rate / 50; // 20 ms
const int Tones[] = {523, 880, 1047};
constexpr int ToneMs = 300;

int play(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Through the sound module, as the program plays them.
    QtToneGenerator tones(QStringList{QStringLiteral(OILDROP_MODULE_DIR)});
    for (int hertz : Tones)
        tones.tone(hertz, ToneMs);
    // Let the device play out what it holds before the program ends.
    QTimer::singleShot(800, &app, &QCoreApplication::quit);
    return QApplication::exec();
}

int check(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("cannot read %s\n", path);
        return 1;
    }
    const QByteArray bytes = file.readAll();
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);

    // Frequency of each 20 ms window that is not silent, from its sign changes.
    std::vector<double> frequencies;
    bool started = false;
    std::string timeline; // for the log: one mark per window, '.' silent, '#' sounding
    for (std::size_t i = 0; i + Window <= samples.size(); i += Window) {
        int peak = 0;
        for (std::size_t j = i; j < i + Window; ++j)
            peak = std::max(peak, std::abs(static_cast<int>(samples[j])));
        timeline += peak > 1000 ? '#' : '.';
    }
    std::printf("recording, 20 ms a mark: %s\n", timeline.c_str());
    for (std::size_t i = 0; i + Window <= samples.size(); i += Window) {
        int peak = 0, crossings = 0;
        for (std::size_t j = i; j < i + Window; ++j) {
            peak = std::max(peak, std::abs(static_cast<int>(samples[j])));
            if (j > i && (samples[j - 1] < 0) != (samples[j] < 0))
                ++crossings;
        }
        const bool sounding = peak > 1000;
        if (!started && !sounding)
            continue;
        if (started && !sounding)
            break; // the end of the sound
        started = true;
        frequencies.push_back(crossings / 2.0 * Rate / Window);
    }
    const double heardMs = static_cast<double>(frequencies.size()) * 1000.0 * Window / Rate;
    std::printf("sound for %.0f ms without a break\n", heardMs);
    // All three tones, 900 ms, as one unbroken sound (windows at the edges may be partial).
    if (heardMs < 3 * ToneMs - 60 || heardMs > 3 * ToneMs + 60)
        return 1;
    // Within each tone (away from its edges) every window has that tone's frequency.
    const std::size_t perTone = static_cast<std::size_t>(ToneMs * Rate / 1000 / Window);
    for (std::size_t t = 0; t < 3; ++t) {
        int matching = 0;
        for (std::size_t w = t * perTone + 2; w + 2 < (t + 1) * perTone && w < frequencies.size(); ++w)
            matching += std::fabs(frequencies[w] - Tones[t]) <= 60;
        std::printf("tone %d Hz: %d of %zu windows match\n", Tones[t], matching, perTone - 4);
        if (matching < static_cast<int>(perTone) - 6)
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "play") == 0)
        return play(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "check") == 0)
        return check(argv[2]);
    std::fprintf(stderr, "usage: sound_probe play | check recording.raw\n");
    return 2;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ToneGenerator.h"
#include "ToneOutput.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class QTimer;

/// Plays tones on the desktop's sound output and keeps their time.
///
/// The sound itself comes from a module (liboildrop-sound) that is loaded
/// when the first tone plays: the audio libraries are then not loaded at
/// start-up, which they would slow down noticeably. The call returns when the
/// tone's time is over, measured by a precise timer, not by the device.
/// Meanwhile the window keeps repainting, but mouse and keyboard input is
/// discarded (not queued), so nothing clicked during a melody fires
/// afterwards. Without the module, a device, or when it fails, the tone's
/// time passes in silence and one warning is printed per run of the program.
class QtToneGenerator : public QObject, public ToneGenerator {
    Q_OBJECT

public:
    using OutputFactory = std::function<std::unique_ptr<ToneOutput>()>;

    /// The module is looked for in `moduleFolders`, in turn.
    explicit QtToneGenerator(QStringList moduleFolders);
    /// Tones go to outputs made by `factory` (no module is loaded).
    explicit QtToneGenerator(OutputFactory factory);
    ~QtToneGenerator() override;

    void tone(int hertz, int milliseconds) override;
    void setWaiting(bool waiting) override { m_waiting = waiting; }

    /// Whether `event` is user input that a playing tone swallows.
    static bool isUserInput(const QEvent* event);
    /// The file name of the sound module.
    static QString moduleFileName();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ensureOutput();
    void warnOnce(const QString& reason);
    void waitDiscardingInput(int milliseconds);

    QStringList m_moduleFolders;
    OutputFactory m_factory;
    std::unique_ptr<ToneOutput> m_output;
    QTimer* m_idle = nullptr;
    bool m_unavailable = false;
    bool m_warned = false;
    bool m_waiting = true;
    QElapsedTimer m_clock;
    qint64 m_queuedUntil = 0; ///< when the tones queued without waiting end, ms of m_clock
};

#pragma once

#include "ToneGenerator.h"

#include <QAudioFormat>
#include <QObject>

#include <memory>

class QAudioSink;
class ToneStream;
class QTimer;

/// Plays tones through the desktop's default audio output with QAudioSink.
///
/// Each tone's samples are queued on one continuous stream, so consecutive
/// tones follow each other without gaps; the call returns when the tone's
/// time is over, measured by a precise timer, not by the device. Meanwhile the
/// window keeps repainting, but mouse and keyboard input is discarded (not
/// queued), so nothing clicked during a melody fires afterwards. Without an
/// audio device, or when it fails, the tone's time passes in silence and one
/// warning is printed per run of the program.
class QtToneGenerator : public QObject, public ToneGenerator {
    Q_OBJECT

public:
    QtToneGenerator();
    ~QtToneGenerator() override;

    void tone(int hertz, int milliseconds) override;

    /// Whether `event` is user input that a playing tone swallows.
    static bool isUserInput(const QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ensureSink();
    void warnOnce(const QString& reason);
    void waitDiscardingInput(int milliseconds);

    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<ToneStream> m_stream;
    QAudioFormat m_format;
    QTimer* m_idle = nullptr;
    bool m_unavailable = false;
    bool m_warned = false;
};

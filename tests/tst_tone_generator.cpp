// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtToneGenerator.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

/// The real tone generator with the sound module of this build: a tone lasts
/// its time by the clock, the window repaints meanwhile but user input is
/// discarded (the demonstration's tones); without waiting (the laboratory's)
/// a tone returns at once and a key pressed during it acts; and without an
/// audio device, or without the module, the tones pass in silence with a
/// single warning.
class tst_tone_generator : public QObject {
    Q_OBJECT

private slots:
    void toneLastsItsTime();
    void inputDiscardedRepaintsKept();
    void laboratoryTonesLeaveTheKeys();
    void silentFallbackWarnsOnce();
    void withoutTheModule();
    void userInputClassification_data();
    void userInputClassification();
};

namespace {

/// The generator as the program makes it: the module sought where the build put it.
struct Tones : QtToneGenerator {
    Tones() : QtToneGenerator(QStringList{QStringLiteral("/nonexistent"), QStringLiteral(OILDROP_MODULE_DIR)}) {}
};

/// Captures what is written to standard error while alive.
class StderrCapture {
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_saved = dup(2);
        m_file = std::tmpfile();
        dup2(fileno(m_file), 2);
    }
    ~StderrCapture() { restore(); }
    QByteArray text()
    {
        restore();
        std::rewind(m_file);
        QByteArray out;
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0)
            out.append(buffer, static_cast<qsizetype>(n));
        return out;
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        m_saved = -1;
    }
    int m_saved = -1;
    std::FILE* m_file = nullptr;
};

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

void tst_tone_generator::toneLastsItsTime()
{
    Tones tones;
    QElapsedTimer clock;
    clock.start();
    tones.tone(880, 150);
    QVERIFY(clock.elapsed() >= 149);
    QVERIFY(clock.elapsed() < 400);
    clock.restart();
    tones.tone(523, 0);
    QVERIFY(clock.elapsed() < 20);
}

void tst_tone_generator::inputDiscardedRepaintsKept()
{
    Tones tones;
    QPushButton button(QStringLiteral("СВЕТ"));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    button.show();
    PaintCounter canvas;
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QCoreApplication::processEvents();
    const int paintsBefore = canvas.paints;
    QTimer::singleShot(40, [&] {
        QTest::mouseClick(&button, Qt::LeftButton); // clicked during the melody
        QTest::keyClick(&button, Qt::Key_Space);
        canvas.update();
    });
    tones.tone(880, 200);
    QCoreApplication::processEvents();
    QCOMPARE(clicks, 0);                   // discarded, not queued
    QVERIFY(canvas.paints > paintsBefore); // the window went on repainting
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 1); // afterwards the button works again
}

void tst_tone_generator::laboratoryTonesLeaveTheKeys()
{
    // F8 pressed 20 ms into a 300 ms tone: it acts then, not after the tone.
    Tones tones;
    tones.setWaiting(false);
    QPushButton button(QStringLiteral("Пуск"));
    button.setShortcut(Qt::Key_F8);
    QElapsedTimer clock;
    qint64 actedAt = -1;
    QObject::connect(&button, &QPushButton::clicked, [&] { actedAt = clock.elapsed(); });
    button.show();
    QVERIFY(QTest::qWaitForWindowActive(&button));
    clock.start();
    QTimer::singleShot(20, [&] { QTest::keyClick(&button, Qt::Key_F8); });
    tones.tone(880, 300);
    QVERIFY(clock.elapsed() < 50);
    QTRY_VERIFY(actedAt >= 0);
    QVERIFY2(actedAt < 150, qPrintable(QString::number(actedAt)));
}

void tst_tone_generator::silentFallbackWarnsOnce()
{
    // The test runs with PULSE_SERVER naming a server that does not exist.
    StderrCapture capture;
    Tones tones;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3; ++i)
        tones.tone(659, 40);
    QVERIFY(clock.elapsed() >= 119);
    const QByteArray printed = capture.text();
    QCOMPARE(printed.count("oildrop: no sound"), 1);
    // The module was found and loaded: it is the device that is missing.
    QVERIFY2(!printed.contains("module"), printed.constData());
}

void tst_tone_generator::withoutTheModule()
{
    StderrCapture capture;
    QtToneGenerator tones(QStringList{QStringLiteral("/nonexistent")});
    QElapsedTimer clock;
    clock.start();
    tones.tone(880, 60);
    tones.tone(880, 60);
    QVERIFY(clock.elapsed() >= 119);
    const QByteArray printed = capture.text();
    QCOMPARE(printed.count("oildrop: no sound"), 1);
    QVERIFY2(printed.contains("liboildrop-sound.so"), printed.constData());
}

void tst_tone_generator::userInputClassification_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("input");
    QTest::newRow("mouse press") << int(QEvent::MouseButtonPress) << true;
    QTest::newRow("key press") << int(QEvent::KeyPress) << true;
    QTest::newRow("wheel") << int(QEvent::Wheel) << true;
    QTest::newRow("close box") << int(QEvent::Close) << true;
    QTest::newRow("paint") << int(QEvent::Paint) << false;
    QTest::newRow("timer") << int(QEvent::Timer) << false;
    QTest::newRow("update request") << int(QEvent::UpdateRequest) << false;
    QTest::newRow("resize") << int(QEvent::Resize) << false;
}

void tst_tone_generator::userInputClassification()
{
    QFETCH(int, type);
    QFETCH(bool, input);
    const QEvent event(static_cast<QEvent::Type>(type));
    QCOMPARE(QtToneGenerator::isUserInput(&event), input);
}

QTEST_MAIN(tst_tone_generator)
#include "tst_tone_generator.moc"

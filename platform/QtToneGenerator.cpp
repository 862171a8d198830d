// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtToneGenerator.h"

#include "ProgramModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QLibrary>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

/// After this long without a tone the device is released again, ms.
constexpr int IdleReleaseMs = 2000;

} // namespace

QtToneGenerator::QtToneGenerator(QStringList moduleFolders) : QtToneGenerator(OutputFactory())
{
    m_moduleFolders = std::move(moduleFolders);
}

QtToneGenerator::QtToneGenerator(OutputFactory factory) : m_factory(std::move(factory))
{
    m_idle = new QTimer(this);
    m_idle->setSingleShot(true);
    connect(m_idle, &QTimer::timeout, this, [this] {
        if (m_output)
            m_output->rest();
    });
}

QtToneGenerator::~QtToneGenerator() = default;

QString QtToneGenerator::moduleFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("liboildrop-sound.dll");
#else
    return QStringLiteral("liboildrop-sound.so");
#endif
}

void QtToneGenerator::warnOnce(const QString& reason)
{
    if (m_warned)
        return;
    m_warned = true;
    std::fprintf(stderr, "oildrop: no sound (%s); tones pass in silence\n", qPrintable(reason));
}

bool QtToneGenerator::ensureOutput()
{
    if (m_output)
        return true;
    if (m_unavailable)
        return false;
    if (m_factory) {
        m_output = m_factory();
        return true;
    }
    QString failure;
    if (const auto create = reinterpret_cast<CreateToneOutput>(
            ProgramModule::resolve(m_moduleFolders, moduleFileName(), OILDROP_TONE_OUTPUT_FACTORY, failure))) {
        m_output.reset(create());
        return true;
    }
    m_unavailable = true;
    warnOnce(failure);
    return false;
}

void QtToneGenerator::tone(int hertz, int milliseconds)
{
    if (milliseconds <= 0)
        return;
    m_idle->stop();
    if (ensureOutput() && !m_output->play(hertz, milliseconds))
        warnOnce(m_output->problem());
    bool wait = m_waiting;
#ifdef Q_OS_WASM
    // A browser's page waits in no handler: the tone is queued.
    wait = false;
#endif
    if (wait) {
        waitDiscardingInput(milliseconds);
        m_idle->start(IdleReleaseMs);
        return;
    }
    // Queued: the device is let go a while after the last queued tone ends.
    if (!m_clock.isValid())
        m_clock.start();
    m_queuedUntil = std::max(m_queuedUntil, m_clock.elapsed()) + milliseconds;
    m_idle->start(static_cast<int>(m_queuedUntil - m_clock.elapsed()) + IdleReleaseMs);
}

void QtToneGenerator::waitDiscardingInput(int milliseconds)
{
    QEventLoop loop;
    QTimer deadline;
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(this);
    deadline.start(milliseconds);
    loop.exec();
    app->removeEventFilter(this);
}

bool QtToneGenerator::isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::Close: return true;
    default: return false;
    }
}

bool QtToneGenerator::eventFilter(QObject* watched, QEvent* event)
{
    if (isUserInput(event))
        return true;
    return QObject::eventFilter(watched, event);
}

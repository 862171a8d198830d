// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartupProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

StartupProbe::StartupProbe(QWidget* window, std::function<void()> done) : m_window(window), m_done(std::move(done))
{
    qApp->installEventFilter(this);
}

long long StartupProbe::monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

long StartupProbe::peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_seen && event->type() == QEvent::Paint) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == m_window || m_window->isAncestorOf(widget))) {
            m_seen = true;
            // Report once this paint (and the rest of the first frame) is done.
            QTimer::singleShot(0, this, [this] {
                std::printf("painted %lld\nrss %ld\n", monotonicNs(), peakResidentKiB());
                std::fflush(stdout);
                m_done();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

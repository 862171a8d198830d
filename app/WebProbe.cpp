// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebProbe.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <emscripten.h>

namespace {

// The functions below are written in JavaScript.
// clang-format off
EM_JS(void, oildrop_probe_painted, (), {
    if (globalThis.oildropFirstFrame === undefined)
        globalThis.oildropFirstFrame = performance.now();
});

EM_JS(void, oildrop_probe_stepped, (), {
    const times = globalThis.oildropStepTimes || (globalThis.oildropStepTimes = []);
    times.push(performance.now());
    if (times.length > 1000)
        times.shift();
    globalThis.oildropSteps = (globalThis.oildropSteps || 0) + 1;
});
EM_JS(void, oildrop_probe_active, (const char* title), {
    globalThis.oildropActiveWindow = UTF8ToString(title);
    (globalThis.oildropActiveWindows = globalThis.oildropActiveWindows || []).push(globalThis.oildropActiveWindow);
});
// clang-format on

} // namespace

WebProbe::WebProbe(QObject* window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [](QWindow* focused) { oildrop_probe_active(focused ? focused->title().toUtf8().constData() : ""); });
}

void WebProbe::stepped()
{
    oildrop_probe_stepped();
}

bool WebProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Paint) {
        m_window->removeEventFilter(this);
        // Once the paint is done: the frame goes to the screen.
        QTimer::singleShot(0, this, [] { oildrop_probe_painted(); });
    }
    return QObject::eventFilter(watched, event);
}

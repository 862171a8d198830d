// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

/// Watches for the first paint of a window; then, once that paint has been
/// handled, prints the time (CLOCK_MONOTONIC, ns) and the peak resident memory
/// (KiB) on standard output and calls `done`.
class StartupProbe : public QObject {
    Q_OBJECT

public:
    StartupProbe(QWidget* window, std::function<void()> done);

    static long long monotonicNs();
    static long peakResidentKiB();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<void()> m_done;
    bool m_seen = false;
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExperimentListener.h"

#include <QObject>

/// What the page's tests and benchmark read of the program in a browser, as
/// globals of the page: when the main window was first painted
/// (oildropFirstFrame, ms of performance.now()), the steps of the drop
/// (oildropSteps, and oildropStepTimes: the page's time of each, ms, the
/// last 1000), and the title of the window that has the keyboard
/// (oildropActiveWindow).
class WebProbe : public QObject, public ExperimentListener {
public:
    /// Notes `window`'s first paint.
    explicit WebProbe(QObject* window);

    void stepped() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* m_window;
};

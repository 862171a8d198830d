#pragma once

#include "PauseTimer.h"

#include <QTimer>

/// The pause timer on Qt's event loop: a precise QTimer for the ticks, and
/// event processing that sleeps until the next event arrives instead of
/// spinning, so a waiting run costs next to no processor time.
class QtPauseTimer : public PauseTimer {
public:
    QtPauseTimer();

    bool isEnabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override;
    int interval() const override { return m_interval; }
    void setInterval(int milliseconds) override;
    void processEvents() override;

private:
    void restart();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval = 1;
};

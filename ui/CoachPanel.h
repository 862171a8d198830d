// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Coach.h"

#include <QGroupBox>
#include <QLocale>
#include <QTimer>

class Announcer;
class QLabel;

/// The coach in the stopwatch's window: the next step in a sentence or two,
/// the current state's charge from its timings so far (with their count and
/// spread) and the journal's running e. A new step is announced to screen
/// readers. It follows the droplet a few times a second while shown.
class CoachPanel : public QGroupBox {
    Q_OBJECT

public:
    CoachPanel(Coach& coach, Announcer* announcer, const QLocale& locale, QWidget* parent = nullptr);

    QLabel* stepLabel() const { return m_step; }
    QLabel* chargeLabel() const { return m_charge; }
    /// The step shown now.
    Coach::Step step() const { return m_shown; }

    /// Shows the coach's advice and reading as they are now.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString chargeText(const Coach::Reading& r) const;
    /// The window made tall enough for the texts' lines.
    void fitWindow();

    Coach& m_coach;
    Announcer* m_announcer;
    QLocale m_locale;
    QLabel* m_step;
    QLabel* m_charge;
    QTimer m_follow;
    Coach::Step m_shown = Coach::Step::StartDrop;
    bool m_announced = false;
};

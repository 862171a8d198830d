// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExperimentView.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

class Announcer;
struct MainWindowControls;

/// The panel of the main window as the experiment sees it: the parameter
/// inputs, the read-outs, the slow-down and the buttons. Every text the panel
/// shows is composed here, from the values the experiment hands over, with
/// the number masks of the read-outs and the locale's decimal separator.
class ControlPanel : public ExperimentView {
    Q_DECLARE_TR_FUNCTIONS(ControlPanel)

public:
    /// `announcer` (optional) tells screen readers of every read-out that appears.
    ControlPanel(const MainWindowControls& controls, const QLocale& locale = QLocale(), Announcer* announcer = nullptr);

    /// An unknown drop: the read-outs that would give its size away (mass,
    /// relaxation time, terminal velocity, force ratio, limiting velocities)
    /// show "?" from the next computation on.
    void setDropConcealed(bool concealed) { m_concealed = concealed; }

    /// The text an input gets for a value: the parameter's own mask, with a
    /// decimal point whatever the locale, so that it reads back as the value.
    static QString inputText(Parameter parameter, double value);

    void showParameter(Parameter parameter, double value) override;
    bool randomCharges() const override;
    void setRandomCharges(bool random) override;
    void showDerivedQuantities(const DerivedQuantities& quantities) override;
    void showSlowDown(int slowDown) override;
    void setFieldButtonsEnabled(bool enabled) override;
    void showLimitingVelocity(int which) override;
    void showCharges(double N2, std::int16_t N3) override;
    void hideCharges() override;
    void showChargeRatio(double ratio, double difference) override;
    void hideChargeRatio() override;

private:
    QString scientific(double value) const;
    void announce(const QString& text) const;

    const MainWindowControls& m_controls;
    QLocale m_locale;
    Announcer* m_announcer;
    bool m_concealed = false;
};

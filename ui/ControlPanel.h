// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExperimentView.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

struct MainWindowControls;

/// The panel of the main window as the experiment sees it: the parameter
/// inputs, the read-outs, the slow-down and the buttons. Every text the panel
/// shows is composed here, from the values the experiment hands over, with
/// the number masks of the read-outs and the locale's decimal separator.
class ControlPanel : public ExperimentView {
    Q_DECLARE_TR_FUNCTIONS(ControlPanel)

public:
    ControlPanel(const MainWindowControls& controls, const QLocale& locale = QLocale());

    /// The text an input gets for a value: the parameter's own mask, with a
    /// decimal point whatever the locale, so that it reads back as the value.
    static QString inputText(Parameter parameter, double value);

    void showParameter(Parameter parameter, double value) override;
    bool randomCharges() const override;
    void setRandomCharges(bool random) override;
    void showDerivedQuantities(const DerivedQuantities& quantities) override;
    int slowDownSetting() const override;
    void showSlowDown(int slowDown) override;
    void setFieldButtonsEnabled(bool enabled) override;
    void showLimitingVelocity(int which) override;
    void showCharges(double N2, std::int16_t N3) override;
    void hideCharges() override;
    void showChargeRatio(double ratio, double difference) override;
    void hideChargeRatio() override;

private:
    QString scientific(double value) const;

    const MainWindowControls& m_controls;
    QLocale m_locale;
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalDrop.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <optional>

class MessageBox;
class QCheckBox;
class QLineEdit;

/// «Капля с реальной установки»: the setup of a drop measured on a real
/// apparatus — plate gap, voltage, the distance it is timed over, the oil's
/// and the air's densities, the air's viscosity (that of air at the
/// temperature until edited), pressure and temperature, and whether it is
/// analysed with the slip correction. Numbers in the locale's form or with a
/// point; OK only with a setup the analysis can use.
class RealDropDialog : public QDialog {
    Q_OBJECT

public:
    enum Field { PlateGap, Voltage, Distance, OilDensity, AirDensity, Viscosity, Pressure, Temperature, FieldCount };

    RealDropDialog(MessageBox& messageBox, const QLocale& locale, QWidget* parent = nullptr);

    QLineEdit* field(Field f) const { return m_fields[f]; }
    QCheckBox* slipCorrection() const { return m_slip; }
    /// The drop as typed, numbered `number`, started now; none (and why, in
    /// `fault`) when the setup is not one.
    std::optional<JournalDrop> drop(int number, QString* fault = nullptr) const;

    void accept() override;

private:
    std::optional<double> value(Field f) const;

    MessageBox& m_messageBox;
    QLocale m_locale;
    std::array<QLineEdit*, FieldCount> m_fields{};
    QCheckBox* m_slip;
    bool m_viscosityTyped = false; ///< the student's own viscosity: the temperature no longer sets it
};

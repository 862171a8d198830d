// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>
#include <span>

struct ExperimentState;
struct MainWindowControls;
class Control;
class MessageBox;
class Sound;
class RunPreparation;

/// The six parameter inputs: every change of a text is read at once by the
/// leading-number rule, checked, and either accepted or rejected with the error
/// signal, a message and a reset value; the window is then laid out anew.
class ParameterInputs {
    Q_DECLARE_TR_FUNCTIONS(ParameterInputs)

public:
    /// Title of every error box.
    static QString errorTitle();
    /// Message for a value outside the range the model can compute.
    static QString outOfRangeMessage();

    ParameterInputs(ExperimentState& state, const MainWindowControls& controls, Sound& sound, MessageBox& messageBox,
                    RunPreparation& reset);

    void onPlateGapEdited();       ///< plate separation DD, m
    void onVoltageEdited();        ///< plate voltage Ux, V
    void onDiameterEdited();       ///< droplet diameter d, m
    void onDropletDensityEdited(); ///< droplet density r, kg/m³
    void onMediumDensityEdited();  ///< medium density r0, kg/m³
    void onViscosityEdited();      ///< viscosity eta, Pa·s (single precision)

    /// Greatest depth of nested handler runs seen so far (1 for a run without
    /// nesting); a rejection nests one run, a double rejection two.
    int deepestNesting() const { return m_deepest; }

private:
    enum Field { DD, Ux, Diameter, Density, MediumDensity, Viscosity, FieldCount };
    struct Rule;
    struct Check {
        QString message;
        double reset;
    };

    void change(Field field);
    Control& input(Field field) const;
    double get(Field field) const;
    void set(Field field, double value);
    QString resetText(Field field) const;
    /// The rules of a field in the order they are tested.
    static std::span<const Rule> rulesOf(Field field);
    /// The first rule of the table that rejects the field's current value.
    const Rule* failingRule(Field field) const;
    bool acceptable(Field field) const;
    /// Reset value after a value outside the computable range: the field's
    /// first-rule reset value if it is acceptable with the other parameters,
    /// else the field's last accepted value (acceptable by construction).
    double outOfRangeReset(Field field);

    ExperimentState& m_state;
    const MainWindowControls& m_controls;
    Sound& m_sound;
    MessageBox& m_messageBox;
    RunPreparation& m_reset;
    std::array<double, FieldCount> m_lastAccepted;
    int m_nesting = 0;
    int m_deepest = 0;
};

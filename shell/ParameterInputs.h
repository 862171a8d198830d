// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SetupParameters.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <span>

struct MainWindowControls;
class Control;
class Experiment;
class MessageBox;
class Sound;
class WindowReset;

/// The six parameter inputs: every change of a text is read at once by the
/// leading-number rule, handed to the experiment, checked, and either
/// accepted or rejected with the error signal, a message and a reset value;
/// the window is then laid out anew.
class ParameterInputs {
    Q_DECLARE_TR_FUNCTIONS(ParameterInputs)

public:
    /// Title of every error box.
    static QString errorTitle();
    /// Message for a value outside the range the model can compute.
    static QString outOfRangeMessage();

    ParameterInputs(Experiment& experiment, const MainWindowControls& controls, Sound& sound, MessageBox& messageBox,
                    WindowReset& reset);

    /// The text of `parameter`'s input changed (typed, pasted or set by the
    /// program): reads, checks and takes it, or rejects it.
    void readInput(SetupParameter parameter);
    /// A value set elsewhere (the voltage turned in the laboratory's panel,
    /// the viscosity of air at its temperature), already the experiment's:
    /// written into its input without reading it back.
    void showValue(SetupParameter parameter, double value);

    /// Greatest depth of nested handler runs seen so far (1 for a run without
    /// nesting); a rejection nests one run, a double rejection two.
    int deepestNesting() const { return m_deepest; }

private:
    static constexpr std::size_t ParameterCount = std::size(AllSetupParameters);
    struct Rule;

    Control& input(SetupParameter parameter) const;
    double get(SetupParameter parameter) const;
    QString resetText(SetupParameter parameter) const;
    /// The rules of a parameter in the order they are tested.
    static std::span<const Rule> rulesOf(SetupParameter parameter);
    /// The first rule of the table that rejects the parameter's value in `setup`.
    static const Rule* failingRule(SetupParameter parameter, const SetupParameters& setup);
    static bool acceptable(SetupParameter parameter, const SetupParameters& setup);
    /// Reset value after a value outside the computable range: the
    /// parameter's first-rule reset value if it is acceptable with the other
    /// parameters, else its last accepted value (acceptable by construction).
    double outOfRangeReset(SetupParameter parameter) const;

    Experiment& m_experiment;
    const MainWindowControls& m_controls;
    Sound& m_sound;
    MessageBox& m_messageBox;
    WindowReset& m_reset;
    std::array<double, ParameterCount> m_lastAccepted;
    int m_nesting = 0;
    int m_deepest = 0;
    bool m_quiet = false; ///< an input is written that the experiment already has
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParameterInputs.h"

#include "ControlPanel.h"
#include "WindowReset.h"

#include "Experiment.h"
#include "ModelRange.h"
#include "NumberFormat.h"
#include "NumberReader.h"
#include "Sound.h"

#include "MainWindowControls.h"
#include "MessageBox.h"

#include <algorithm>

/// A plausibility rule of a parameter: when it rejects, its message and its reset value.
struct ParameterInputs::Rule {
    bool (*rejects)(const SetupParameters&);
    const char* message; ///< untranslated
    double (*reset)(const SetupParameters&);
};

namespace {

/// Viscosity reset value, Pa·s, as stored (single precision).
constexpr float ViscosityReset = 1.8e-5f;

std::size_t indexOf(SetupParameter parameter)
{
    return static_cast<std::size_t>(parameter);
}

} // namespace

QString ParameterInputs::errorTitle()
{
    return tr("Ошибка");
}

QString ParameterInputs::outOfRangeMessage()
{
    return tr("Значение вне диапазона, который может рассчитать модель!");
}

ParameterInputs::ParameterInputs(Experiment& experiment, const MainWindowControls& controls, Sound& sound,
                                 MessageBox& messageBox, WindowReset& reset)
    : m_experiment(experiment), m_controls(controls), m_sound(sound), m_messageBox(messageBox), m_reset(reset)
{
    // The start-up values, which are always accepted.
    const SetupParameters defaults = Experiment::defaultSetup();
    for (const SetupParameter p : AllSetupParameters)
        m_lastAccepted[indexOf(p)] = defaults.get(p);
}

std::span<const ParameterInputs::Rule> ParameterInputs::rulesOf(SetupParameter parameter)
{
    using S = SetupParameters;
    // The rules of each parameter in the order they are tested; the density
    // rules compare with the current value of the other density.
    static const Rule dd[] = {
        {[](const S& s) { return s.DD <= 0; }, QT_TR_NOOP("Должно быть больше нуля!"), [](const S&) { return 0.016; }},
    };
    static const Rule ux[] = {
        {[](const S& s) { return s.Ux == 0; }, QT_TR_NOOP("Нулевое напряжение бессмысленно!"),
         [](const S&) { return 5000.0; }},
    };
    static const Rule diameter[] = {
        {[](const S& s) { return s.d <= 0; }, QT_TR_NOOP("Это не материальная точка!"),
         [](const S&) { return 0.000001; }},
    };
    static const Rule density[] = {
        {[](const S& s) { return s.r <= 0; }, QT_TR_NOOP("Шарик из чего-то сделан!"), [](const S&) { return 920.0; }},
        {[](const S& s) { return s.r <= s.r0; }, QT_TR_NOOP("Всплывание не моделируется!"),
         [](const S& s) { return 2 * s.r0; }},
    };
    static const Rule mediumDensity[] = {
        {[](const S& s) { return s.r0 <= 0; }, QT_TR_NOOP("Для вакуума всё и так известно!"),
         [](const S&) { return 1.23; }},
        {[](const S& s) { return s.r0 >= s.r; }, QT_TR_NOOP("Всплывание не моделируется"),
         [](const S& s) { return s.r / 2; }},
    };
    static const Rule viscosity[] = {
        {[](const S& s) { return !(s.eta > 0); }, QT_TR_NOOP("Для вакуума всё и так известно!"),
         [](const S&) { return static_cast<double>(ViscosityReset); }},
    };

    switch (parameter) {
    case SetupParameter::PlateGap: return dd;
    case SetupParameter::Voltage: return ux;
    case SetupParameter::Diameter: return diameter;
    case SetupParameter::DropletDensity: return density;
    case SetupParameter::MediumDensity: return mediumDensity;
    case SetupParameter::Viscosity: return viscosity;
    }
    return {};
}

const ParameterInputs::Rule* ParameterInputs::failingRule(SetupParameter parameter, const SetupParameters& setup)
{
    for (const Rule& rule : rulesOf(parameter))
        if (rule.rejects(setup))
            return &rule;
    return nullptr;
}

Control& ParameterInputs::input(SetupParameter parameter) const
{
    return *m_controls.parameterEdits()[indexOf(parameter)];
}

double ParameterInputs::get(SetupParameter parameter) const
{
    return m_experiment.state().setup().get(parameter);
}

QString ParameterInputs::resetText(SetupParameter parameter) const
{
    return parameter == SetupParameter::Viscosity ? NumberFormat::plain(m_experiment.state().eta)
                                                  : NumberFormat::plain(get(parameter));
}

bool ParameterInputs::acceptable(SetupParameter parameter, const SetupParameters& setup)
{
    return failingRule(parameter, setup) == nullptr && ModelRange::computable(setup);
}

double ParameterInputs::outOfRangeReset(SetupParameter parameter) const
{
    SetupParameters candidate = m_experiment.state().setup();
    const double reset = rulesOf(parameter).front().reset(candidate);
    candidate.set(parameter, reset);
    return acceptable(parameter, candidate) ? reset : m_lastAccepted[indexOf(parameter)];
}

void ParameterInputs::showValue(SetupParameter parameter, double value)
{
    m_lastAccepted[indexOf(parameter)] = value;
    m_quiet = true;
    input(parameter).setText(ControlPanel::inputText(parameter, value));
    m_quiet = false;
}

void ParameterInputs::readInput(SetupParameter parameter)
{
    if (m_quiet)
        return;
    ++m_nesting;
    m_deepest = std::max(m_deepest, m_nesting);

    // The value is taken at once, before any check.
    const NumberReader::Result reading = NumberReader::read(input(parameter).text());
    m_experiment.setParameter(parameter, reading.value);
    const SetupParameters setup = m_experiment.state().setup();

    bool rejected = true;
    QString message;
    double reset = 0;
    if (!reading.inRange) {
        message = outOfRangeMessage();
        reset = outOfRangeReset(parameter);
    } else if (const Rule* rule = failingRule(parameter, setup)) {
        message = tr(rule->message);
        reset = rule->reset(setup);
    } else if (!ModelRange::computable(setup)) {
        message = outOfRangeMessage();
        reset = outOfRangeReset(parameter);
    } else {
        rejected = false;
        m_lastAccepted[indexOf(parameter)] = get(parameter);
    }

    if (rejected) {
        m_sound.playSignalTone(Sound::ShortSignal);
        m_messageBox.showMessage(errorTitle(), message);
        m_experiment.setParameter(parameter, reset);
        // Writing the text runs this handler again, nested: it reads the reset
        // value back, checks it and lays the window out before we go on.
        input(parameter).setText(resetText(parameter));
    }
    m_reset.resetWindow();
    --m_nesting;
}

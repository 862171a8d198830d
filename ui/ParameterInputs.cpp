// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParameterInputs.h"

#include "ExperimentState.h"
#include "ModelRange.h"
#include "NumberFormat.h"
#include "NumberReader.h"
#include "RunPreparation.h"
#include "Sound.h"

#include "MainWindowControls.h"
#include "MessageBox.h"

#include <algorithm>

/// A plausibility rule of a parameter: when it rejects, its message and its reset value.
struct ParameterInputs::Rule {
    bool (*rejects)(const ExperimentState&);
    const char* message; ///< untranslated
    double (*reset)(const ExperimentState&);
};

namespace {

/// Viscosity reset value, Pa·s, as stored (single precision).
constexpr float ViscosityReset = 1.8e-5f;

} // namespace

QString ParameterInputs::errorTitle()
{
    return tr("Ошибка");
}

QString ParameterInputs::outOfRangeMessage()
{
    return tr("Значение вне диапазона, который может рассчитать модель!");
}

ParameterInputs::ParameterInputs(ExperimentState& state, const MainWindowControls& controls, Sound& sound,
                                 MessageBox& messageBox, RunPreparation& reset)
    : m_state(state), m_controls(controls), m_sound(sound), m_messageBox(messageBox), m_reset(reset),
      // The start-up values, which are always accepted.
      m_lastAccepted{0.016, -5085, 5.52e-6, 920, 1.23, static_cast<double>(1.82e-5f)}
{
}

void ParameterInputs::onPlateGapEdited()
{
    change(DD);
}
void ParameterInputs::onVoltageEdited()
{
    change(Ux);
}
void ParameterInputs::onDiameterEdited()
{
    change(Diameter);
}
void ParameterInputs::onDropletDensityEdited()
{
    change(Density);
}
void ParameterInputs::onMediumDensityEdited()
{
    change(MediumDensity);
}
void ParameterInputs::onViscosityEdited()
{
    change(Viscosity);
}

std::span<const ParameterInputs::Rule> ParameterInputs::rulesOf(Field field)
{
    // The rules of each field in the order they are tested; the density rules
    // compare with the current value of the other density.
    static const Rule dd[] = {
        {[](const ExperimentState& s) { return s.DD <= 0; }, QT_TR_NOOP("Должно быть больше нуля!"),
         [](const ExperimentState&) { return 0.016; }},
    };
    static const Rule ux[] = {
        {[](const ExperimentState& s) { return s.Ux == 0; }, QT_TR_NOOP("Нулевое напряжение бессмысленно!"),
         [](const ExperimentState&) { return 5000.0; }},
    };
    static const Rule diameter[] = {
        {[](const ExperimentState& s) { return s.d <= 0; }, QT_TR_NOOP("Это не материальная точка!"),
         [](const ExperimentState&) { return 0.000001; }},
    };
    static const Rule density[] = {
        {[](const ExperimentState& s) { return s.r <= 0; }, QT_TR_NOOP("Шарик из чего-то сделан!"),
         [](const ExperimentState&) { return 920.0; }},
        {[](const ExperimentState& s) { return s.r <= s.r0; }, QT_TR_NOOP("Всплывание не моделируется!"),
         [](const ExperimentState& s) { return 2 * s.r0; }},
    };
    static const Rule mediumDensity[] = {
        {[](const ExperimentState& s) { return s.r0 <= 0; }, QT_TR_NOOP("Для вакуума всё и так известно!"),
         [](const ExperimentState&) { return 1.23; }},
        {[](const ExperimentState& s) { return s.r0 >= s.r; }, QT_TR_NOOP("Всплывание не моделируется"),
         [](const ExperimentState& s) { return s.r / 2; }},
    };
    static const Rule viscosity[] = {
        {[](const ExperimentState& s) { return !(s.eta > 0); }, QT_TR_NOOP("Для вакуума всё и так известно!"),
         [](const ExperimentState&) { return static_cast<double>(ViscosityReset); }},
    };

    switch (field) {
    case DD: return dd;
    case Ux: return ux;
    case Diameter: return diameter;
    case Density: return density;
    case MediumDensity: return mediumDensity;
    case Viscosity: return viscosity;
    case FieldCount: break;
    }
    return {};
}

const ParameterInputs::Rule* ParameterInputs::failingRule(Field field) const
{
    for (const Rule& rule : rulesOf(field))
        if (rule.rejects(m_state))
            return &rule;
    return nullptr;
}

Control& ParameterInputs::input(Field field) const
{
    return *m_controls.parameterEdits()[static_cast<std::size_t>(field)];
}

double ParameterInputs::get(Field field) const
{
    const ExperimentState& s = m_state;
    const double values[FieldCount] = {s.DD, s.Ux, s.d, s.r, s.r0, static_cast<double>(s.eta)};
    return values[field];
}

void ParameterInputs::set(Field field, double value)
{
    ExperimentState& s = m_state;
    switch (field) {
    case DD: s.DD = value; break;
    case Ux: s.Ux = value; break;
    case Diameter: s.d = value; break;
    case Density: s.r = value; break;
    case MediumDensity: s.r0 = value; break;
    case Viscosity: s.eta = static_cast<float>(value); break;
    case FieldCount: break;
    }
}

QString ParameterInputs::resetText(Field field) const
{
    return field == Viscosity ? NumberFormat::plain(m_state.eta) : NumberFormat::plain(get(field));
}

bool ParameterInputs::acceptable(Field field) const
{
    return failingRule(field) == nullptr && ModelRange::computable(m_state.setup());
}

double ParameterInputs::outOfRangeReset(Field field)
{
    const double rejected = get(field);
    const double candidate = rulesOf(field).front().reset(m_state);
    set(field, candidate);
    const bool usable = acceptable(field);
    set(field, rejected);
    return usable ? candidate : m_lastAccepted[field];
}

void ParameterInputs::change(Field field)
{
    ++m_nesting;
    m_deepest = std::max(m_deepest, m_nesting);

    // The value is stored at once, before any check.
    const NumberReader::Result reading = NumberReader::read(input(field).text());
    set(field, reading.value);

    bool rejected = true;
    QString message;
    double reset = 0;
    if (!reading.inRange) {
        message = outOfRangeMessage();
        reset = outOfRangeReset(field);
    } else if (const Rule* rule = failingRule(field)) {
        message = tr(rule->message);
        reset = rule->reset(m_state);
    } else if (!ModelRange::computable(m_state.setup())) {
        message = outOfRangeMessage();
        reset = outOfRangeReset(field);
    } else {
        rejected = false;
        m_lastAccepted[field] = get(field);
    }

    if (rejected) {
        m_sound.playSignalTone(Sound::ShortSignal);
        m_messageBox.showMessage(errorTitle(), message);
        set(field, reset);
        // Writing the text runs this handler again, nested: it reads the reset
        // value back, checks it and lays the window out before we go on.
        input(field).setText(resetText(field));
    }
    m_reset.resetWindow();
    --m_nesting;
}

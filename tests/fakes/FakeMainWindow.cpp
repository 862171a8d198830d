// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"

#include <stdexcept>
#include <type_traits>

namespace {

FakeControl::Kind fakeKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit: return FakeControl::Kind::TextBox;
    case ControlKind::PushButton: return FakeControl::Kind::Button;
    case ControlKind::RadioButton: return FakeControl::Kind::OptionButton;
    case ControlKind::CheckBox: return FakeControl::Kind::CheckBox;
    case ControlKind::ScrollBar: return FakeControl::Kind::ScrollBar;
    case ControlKind::GroupBox: return FakeControl::Kind::Frame;
    default: return FakeControl::Kind::Label;
    }
}

} // namespace

FakeMainWindow::FakeMainWindow(const QLocale& locale)
{
    // A fake for every control of the list but the surfaces and their pictures.
    MainWindowControls& c = controls;
    const auto fakeInto = [this](auto*& slot, ControlId id) {
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(*slot)>, Control>) {
            auto& fake = m_controls[static_cast<std::size_t>(id)];
            fake = std::make_unique<FakeControl>(fakeKind(controlKind(id)));
            slot = fake.get();
        }
    };
#define OILDROP_FAKE_CONTROL(kind, name) fakeInto(c.name, ControlId::name);
    OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_FAKE_CONTROL)
#undef OILDROP_FAKE_CONTROL
    c.animationView = &animationView;
    c.coordinatePlot = &coordinatePlot;
    c.velocityPlot = &velocityPlot;
    c.dropletMarker = &dropletMarker;
    c.beamSprite = &beamSprite;

    FakeControl& animation = control(ControlId::animationOption);
    FakeControl& coordinate = control(ControlId::coordinateOption);
    FakeControl& velocity = control(ControlId::velocityOption);
    animation.group = coordinate.group = velocity.group = {&animation, &coordinate, &velocity};
    animation.setValue(1); // selected when created
    FakeControl& scroll = control(ControlId::slowDownScrollBar);
    scroll.minimum = 1;
    scroll.maximum = 9;
    scroll.setValue(5);

    m_simulation = std::make_unique<Simulation>(controls, clientArea, fakes.services(), locale);

    Simulation& s = *m_simulation;
    using P = SetupParameter;
    control(ControlId::plateGapEdit).onChange = [&s] { s.inputs().readInput(P::PlateGap); };
    control(ControlId::voltageEdit).onChange = [&s] { s.inputs().readInput(P::Voltage); };
    control(ControlId::diameterEdit).onChange = [&s] { s.inputs().readInput(P::Diameter); };
    control(ControlId::dropletDensityEdit).onChange = [&s] { s.inputs().readInput(P::DropletDensity); };
    control(ControlId::mediumDensityEdit).onChange = [&s] { s.inputs().readInput(P::MediumDensity); };
    control(ControlId::viscosityEdit).onChange = [&s] { s.inputs().readInput(P::Viscosity); };
    using View = ViewSelector::View;
    animation.onChange = [&s] { s.views().showIfSelected(View::Animation); };
    coordinate.onChange = [&s] { s.views().showIfSelected(View::Coordinate); };
    velocity.onChange = [&s] { s.views().showIfSelected(View::Velocity); };
    scroll.onChange = [&s, &scroll] { s.experiment().setSlowDown(scroll.value()); };
}

void FakeMainWindow::start()
{
    m_simulation->startUp();
    m_simulation->reset().resetWindow();
}

FakeControl& FakeMainWindow::control(ControlId id)
{
    FakeControl* fake = m_controls[static_cast<std::size_t>(id)].get();
    if (!fake)
        throw std::invalid_argument(std::string(controlName(id)) + " is not a plain control");
    return *fake;
}

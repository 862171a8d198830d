#include "FakeMainWindow.h"

#include <stdexcept>

FakeMainWindow::FakeMainWindow(const QLocale& locale)
{
    using Kind = FakeControl::Kind;
    auto make = [this](const std::string& name, Kind kind) {
        auto& slot = m_controls[name];
        slot = std::make_unique<FakeControl>(kind);
        return slot.get();
    };
    MainWindowControls& c = controls;
#define OILDROP_FAKE(NAME, KIND) c.NAME = make(#NAME, Kind::KIND)
    OILDROP_FAKE(parametersHeading, Label);
    OILDROP_FAKE(plateGapCaption, Label);
    OILDROP_FAKE(plateGapUnit, Label);
    OILDROP_FAKE(voltageCaption, Label);
    OILDROP_FAKE(voltageUnit, Label);
    OILDROP_FAKE(diameterCaption, Label);
    OILDROP_FAKE(diameterUnit, Label);
    OILDROP_FAKE(dropletDensityCaption, Label);
    OILDROP_FAKE(dropletDensityUnit, Label);
    OILDROP_FAKE(mediumDensityCaption, Label);
    OILDROP_FAKE(mediumDensityUnit, Label);
    OILDROP_FAKE(viscosityCaption, Label);
    OILDROP_FAKE(viscosityUnit, Label);
    OILDROP_FAKE(slowDownReadout, Label);
    OILDROP_FAKE(characteristicsHeading, Label);
    OILDROP_FAKE(massReadout, Label);
    OILDROP_FAKE(fieldStrengthReadout, Label);
    OILDROP_FAKE(relaxationTimeReadout, Label);
    OILDROP_FAKE(forceRatioReadout, Label);
    OILDROP_FAKE(velocitiesHeading, Label);
    OILDROP_FAKE(terminalVelocityReadout, Label);
    OILDROP_FAKE(limitingVelocity2Readout, Label);
    OILDROP_FAKE(limitingVelocity3Readout, Label);
    OILDROP_FAKE(charge2Readout, Label);
    OILDROP_FAKE(charge3Readout, Label);
    OILDROP_FAKE(chargeRatioReadout, Label);
    OILDROP_FAKE(chargeDifferenceReadout, Label);
    OILDROP_FAKE(plateGapEdit, TextBox);
    OILDROP_FAKE(voltageEdit, TextBox);
    OILDROP_FAKE(diameterEdit, TextBox);
    OILDROP_FAKE(dropletDensityEdit, TextBox);
    OILDROP_FAKE(mediumDensityEdit, TextBox);
    OILDROP_FAKE(viscosityEdit, TextBox);
    OILDROP_FAKE(startButton, Button);
    OILDROP_FAKE(voltageButton, Button);
    OILDROP_FAKE(lightButton, Button);
    OILDROP_FAKE(viewGroupBox, Frame);
    OILDROP_FAKE(randomChargesCheckBox, CheckBox);
#undef OILDROP_FAKE
    FakeControl* option1 = make("animationOption", Kind::OptionButton);
    FakeControl* option2 = make("coordinateOption", Kind::OptionButton);
    FakeControl* option3 = make("velocityOption", Kind::OptionButton);
    option1->group = option2->group = option3->group = {option1, option2, option3};
    option1->setValue(1); // selected when created
    c.animationOption = option1;
    c.coordinateOption = option2;
    c.velocityOption = option3;
    FakeControl* scroll = make("slowDownScrollBar", Kind::ScrollBar);
    scroll->minimum = 1;
    scroll->maximum = 9;
    scroll->setValue(5);
    c.slowDownScrollBar = scroll;
    c.animationView = &animationView;
    c.coordinatePlot = &coordinatePlot;
    c.velocityPlot = &velocityPlot;
    c.dropletMarker = &dropletMarker;
    c.beamSprite = &beamSprite;

    m_procedures = std::make_unique<Simulation>(controls, clientArea, fakes.services(), locale);

    Simulation& p = *m_procedures;
    control("plateGapEdit").onChange = [&p] { p.onPlateGapEdited(); };
    control("voltageEdit").onChange = [&p] { p.onVoltageEdited(); };
    control("diameterEdit").onChange = [&p] { p.onDiameterEdited(); };
    control("dropletDensityEdit").onChange = [&p] { p.onDropletDensityEdited(); };
    control("mediumDensityEdit").onChange = [&p] { p.onMediumDensityEdited(); };
    control("viscosityEdit").onChange = [&p] { p.onViscosityEdited(); };
    option1->onChange = [&p] { p.onAnimationSelected(); };
    option2->onChange = [&p] { p.onCoordinateSelected(); };
    option3->onChange = [&p] { p.onVelocitySelected(); };
    scroll->onChange = [&p] { p.onSlowDownChanged(); };
}

void FakeMainWindow::start()
{
    state().startUpDone = 0;
    m_procedures->setDefaultParameters();
    state().startUpDone = 1;
    m_procedures->resetWindow();
}

FakeControl& FakeMainWindow::control(const std::string& name)
{
    const auto it = m_controls.find(name);
    if (it == m_controls.end())
        throw std::out_of_range("no control named " + name);
    return *it->second;
}

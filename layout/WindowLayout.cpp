#include "WindowLayout.h"

#include "MainWindowControls.h"
#include "ClientArea.h"

#include <algorithm>
#include <cstring>

namespace {

/// A geometry under construction, in double precision.
struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

ControlGeometry handOver(const Box& box)
{
    return {static_cast<float>(box.left), static_cast<float>(box.top), static_cast<float>(box.width),
            static_cast<float>(box.height)};
}

#define CONTROL(NAME) #NAME, [](const MainWindowControls& c) -> Control* { return c.NAME; }

} // namespace

std::vector<WindowLayout::Entry> WindowLayout::compute(double scaleWidth, double scaleHeight)
{
    const double SW = scaleWidth;
    const double SH = scaleHeight;
    // Sizes are clamped at 0 as they are made, so that later references see the clamped value.
    auto size = [](double w, double h) { return Box{0, 0, std::max(0.0, w), std::max(0.0, h)}; };
    auto at = [](Box box, double left, double top) {
        box.left = left;
        box.top = top;
        return box;
    };

    // Parameter column: heading, six input rows (caption, input, unit), scroll bar.
    const Box parametersHeading = at(size(2 * col_w, row_h), SW - 5.2 * col_w, gap_y);
    const Box plateGapCaption = at(size(col_w / 2, row_h), parametersHeading.left, parametersHeading.top + row_h + gap_y);
    const Box plateGapEdit = at(size(1.3 * col_w, row_h), plateGapCaption.left + plateGapCaption.width, plateGapCaption.top);
    const Box plateGapUnit = at(size(2.0 / 3 * col_w, row_h), plateGapEdit.left + plateGapEdit.width, plateGapCaption.top);
    // Row k of the inputs lies k·(row_h + gap_y) below the heading.
    auto row = [&](int k, const Box& like) {
        return at(size(like.width, row_h), like.left, parametersHeading.top + k * row_h + k * gap_y);
    };
    const Box voltageCaption = row(2, plateGapCaption), voltageEdit = row(2, plateGapEdit), voltageUnit = row(2, plateGapUnit);
    const Box diameterCaption = row(3, plateGapCaption), diameterEdit = row(3, plateGapEdit), diameterUnit = row(3, plateGapUnit);
    const Box dropletDensityCaption = row(4, plateGapCaption), dropletDensityEdit = row(4, plateGapEdit), dropletDensityUnit = row(4, plateGapUnit);
    const Box mediumDensityCaption = row(5, plateGapCaption), mediumDensityEdit = row(5, plateGapEdit), mediumDensityUnit = row(5, plateGapUnit);
    const Box viscosityCaption = row(6, plateGapCaption), viscosityEdit = row(6, plateGapEdit), viscosityUnit = row(6, plateGapUnit);
    // Ten gaps, not seven: the scroll bar sits a little apart from the inputs.
    const Box slowDownScrollBar = at(size(plateGapCaption.width + plateGapEdit.width + plateGapUnit.width, row_h / 2), plateGapCaption.left,
                            parametersHeading.top + 7 * row_h + 10 * gap_y);
    Box slowDownReadout = size(col_w / 4, row_h);
    slowDownReadout = at(slowDownReadout, slowDownScrollBar.left + slowDownScrollBar.width / 2 - slowDownReadout.width / 2, slowDownScrollBar.top + slowDownScrollBar.height);

    // Derived quantities, one row below another, right of the parameters.
    const Box characteristicsHeading = at(size(2.6 * col_w, row_h), slowDownScrollBar.left + slowDownScrollBar.width + gap_x, gap_y);
    auto below = [&](const Box& above, const Box& column) {
        return at(size(column.width, row_h), column.left, above.top + above.height + gap_y);
    };
    const Box massReadout = below(characteristicsHeading, characteristicsHeading);
    const Box fieldStrengthReadout = below(massReadout, characteristicsHeading);
    const Box relaxationTimeReadout = below(fieldStrengthReadout, characteristicsHeading);
    const Box forceRatioReadout = below(relaxationTimeReadout, characteristicsHeading);
    const Box velocitiesHeading = below(forceRatioReadout, characteristicsHeading);
    const Box terminalVelocityReadout = below(velocitiesHeading, velocitiesHeading);
    const Box limitingVelocity2Readout = below(terminalVelocityReadout, velocitiesHeading);
    const Box limitingVelocity3Readout = below(limitingVelocity2Readout, velocitiesHeading);

    // Lower block, from just below the vertical middle.
    const Box startButton = at(size(2 * col_w, row_h), parametersHeading.left, SH / 2 + gap_y);
    const Box voltageButton = below(startButton, startButton);
    const Box lightButton = below(voltageButton, startButton);
    const Box viewGroupBox = at(size(startButton.width - 3 * gap_x, 3.3 * row_h), characteristicsHeading.left + 12 * gap_x, startButton.top);
    const Box randomChargesCheckBox = at(size(1.1 * col_w, row_h), startButton.left + startButton.width + gap_x, voltageButton.top);
    const Box charge2Readout = at(size(2 * col_w, row_h), parametersHeading.left, lightButton.top + lightButton.height + gap_y);
    const Box charge3Readout = below(charge2Readout, charge2Readout);
    const Box chargeRatioReadout = at(size(charge2Readout.width, row_h), characteristicsHeading.left, charge2Readout.top);
    const Box chargeDifferenceReadout = at(size(charge2Readout.width, row_h), chargeRatioReadout.left, charge3Readout.top);

    // Drawing area: the animation view over the full height, the plots over the upper half.
    const Box animationView = at(size(parametersHeading.left - 2 * gap_x, SH - 2 * gap_y), gap_x, gap_y);
    const Box coordinatePlot = at(size(parametersHeading.left - 2 * gap_x, SH / 2 - gap_y), gap_x, gap_y);
    const Box velocityPlot = at(size(coordinatePlot.width, coordinatePlot.height), animationView.left, coordinatePlot.top);

    return {
        {CONTROL(parametersHeading), handOver(parametersHeading)},   {CONTROL(plateGapCaption), handOver(plateGapCaption)},
        {CONTROL(plateGapEdit), handOver(plateGapEdit)},       {CONTROL(plateGapUnit), handOver(plateGapUnit)},
        {CONTROL(voltageCaption), handOver(voltageCaption)},     {CONTROL(voltageEdit), handOver(voltageEdit)},
        {CONTROL(voltageUnit), handOver(voltageUnit)},     {CONTROL(diameterCaption), handOver(diameterCaption)},
        {CONTROL(diameterEdit), handOver(diameterEdit)},       {CONTROL(diameterUnit), handOver(diameterUnit)},
        {CONTROL(dropletDensityCaption), handOver(dropletDensityCaption)},     {CONTROL(dropletDensityEdit), handOver(dropletDensityEdit)},
        {CONTROL(dropletDensityUnit), handOver(dropletDensityUnit)},   {CONTROL(mediumDensityCaption), handOver(mediumDensityCaption)},
        {CONTROL(mediumDensityEdit), handOver(mediumDensityEdit)},       {CONTROL(mediumDensityUnit), handOver(mediumDensityUnit)},
        {CONTROL(viscosityCaption), handOver(viscosityCaption)},   {CONTROL(viscosityEdit), handOver(viscosityEdit)},
        {CONTROL(viscosityUnit), handOver(viscosityUnit)},   {CONTROL(slowDownScrollBar), handOver(slowDownScrollBar)},
        {CONTROL(slowDownReadout), handOver(slowDownReadout)},   {CONTROL(characteristicsHeading), handOver(characteristicsHeading)},
        {CONTROL(massReadout), handOver(massReadout)},   {CONTROL(fieldStrengthReadout), handOver(fieldStrengthReadout)},
        {CONTROL(relaxationTimeReadout), handOver(relaxationTimeReadout)},   {CONTROL(forceRatioReadout), handOver(forceRatioReadout)},
        {CONTROL(velocitiesHeading), handOver(velocitiesHeading)},   {CONTROL(terminalVelocityReadout), handOver(terminalVelocityReadout)},
        {CONTROL(limitingVelocity2Readout), handOver(limitingVelocity2Readout)},   {CONTROL(limitingVelocity3Readout), handOver(limitingVelocity3Readout)},
        {CONTROL(startButton), handOver(startButton)},       {CONTROL(voltageButton), handOver(voltageButton)},
        {CONTROL(lightButton), handOver(lightButton)}, {CONTROL(viewGroupBox), handOver(viewGroupBox)},
        {CONTROL(randomChargesCheckBox), handOver(randomChargesCheckBox)},     {CONTROL(charge2Readout), handOver(charge2Readout)},
        {CONTROL(charge3Readout), handOver(charge3Readout)},   {CONTROL(chargeRatioReadout), handOver(chargeRatioReadout)},
        {CONTROL(chargeDifferenceReadout), handOver(chargeDifferenceReadout)},   {CONTROL(animationView), handOver(animationView)},
        {CONTROL(coordinatePlot), handOver(coordinatePlot)}, {CONTROL(velocityPlot), handOver(velocityPlot)},
    };
}

WindowLayout::WindowLayout(const MainWindowControls& controls, const ClientArea& window) : m_controls(controls), m_window(window) {}

void WindowLayout::apply()
{
    const MainWindowControls& c = m_controls;
    for (const Entry& entry : compute(m_window.width(), m_window.height())) {
        entry.control(c)->setGeometry(entry.geometry);
        // Whatever an experiment showed is hidden again as the pass goes by.
        const auto is = [&](const char* name) { return std::strcmp(entry.name, name) == 0; };
        if (is("limitingVelocity2Readout")) {
            c.limitingVelocity2Readout->setVisible(false);
        } else if (is("limitingVelocity3Readout")) {
            c.limitingVelocity3Readout->setVisible(false);
        } else if (is("charge3Readout")) {
            c.charge2Readout->setVisible(false);
            c.charge3Readout->setVisible(false);
        } else if (is("chargeDifferenceReadout")) {
            c.chargeRatioReadout->setVisible(false);
            c.chargeDifferenceReadout->setVisible(false);
        } else if (is("coordinatePlot")) {
            c.coordinatePlot->setVisible(false);
        } else if (is("velocityPlot")) {
            c.velocityPlot->setVisible(false);
        }
    }
    c.beamSprite->setVisible(false);
    c.voltageButton->setEnabled(false);
    c.lightButton->setEnabled(false);
}

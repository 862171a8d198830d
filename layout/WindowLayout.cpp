// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowLayout.h"

#include "ClientArea.h"

#include <algorithm>

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

} // namespace

std::vector<WindowLayout::Entry> WindowLayout::compute(double clientWidth, double clientHeight)
{
    const double SW = clientWidth;
    const double SH = clientHeight;
    // Sizes are clamped at 0 as they are made, so that later references see the clamped value.
    auto size = [](double w, double h) { return Box{0, 0, std::max(0.0, w), std::max(0.0, h)}; };
    auto at = [](Box box, double left, double top) {
        box.left = left;
        box.top = top;
        return box;
    };

    // Parameter column: heading, six input rows (caption, input, unit), scroll bar.
    const Box parametersHeading = at(size(2 * ColumnWidth, RowHeight), SW - 5.2 * ColumnWidth, GapY);
    const Box plateGapCaption =
        at(size(ColumnWidth / 2, RowHeight), parametersHeading.left, parametersHeading.top + RowHeight + GapY);
    const Box plateGapEdit =
        at(size(1.3 * ColumnWidth, RowHeight), plateGapCaption.left + plateGapCaption.width, plateGapCaption.top);
    const Box plateGapUnit =
        at(size(2.0 / 3 * ColumnWidth, RowHeight), plateGapEdit.left + plateGapEdit.width, plateGapCaption.top);
    // Row k of the inputs lies k·(RowHeight + GapY) below the heading.
    auto row = [&](int k, const Box& like) {
        return at(size(like.width, RowHeight), like.left, parametersHeading.top + k * RowHeight + k * GapY);
    };
    const Box voltageCaption = row(2, plateGapCaption), voltageEdit = row(2, plateGapEdit),
              voltageUnit = row(2, plateGapUnit);
    const Box diameterCaption = row(3, plateGapCaption), diameterEdit = row(3, plateGapEdit),
              diameterUnit = row(3, plateGapUnit);
    const Box dropletDensityCaption = row(4, plateGapCaption), dropletDensityEdit = row(4, plateGapEdit),
              dropletDensityUnit = row(4, plateGapUnit);
    const Box mediumDensityCaption = row(5, plateGapCaption), mediumDensityEdit = row(5, plateGapEdit),
              mediumDensityUnit = row(5, plateGapUnit);
    const Box viscosityCaption = row(6, plateGapCaption), viscosityEdit = row(6, plateGapEdit),
              viscosityUnit = row(6, plateGapUnit);
    // Ten gaps, not seven: the scroll bar sits a little apart from the inputs.
    const Box slowDownScrollBar =
        at(size(plateGapCaption.width + plateGapEdit.width + plateGapUnit.width, RowHeight / 2), plateGapCaption.left,
           parametersHeading.top + 7 * RowHeight + 10 * GapY);
    Box slowDownReadout = size(ColumnWidth / 4, RowHeight);
    slowDownReadout =
        at(slowDownReadout, slowDownScrollBar.left + slowDownScrollBar.width / 2 - slowDownReadout.width / 2,
           slowDownScrollBar.top + slowDownScrollBar.height);

    // Derived quantities, one row below another, right of the parameters.
    const Box characteristicsHeading =
        at(size(2.6 * ColumnWidth, RowHeight), slowDownScrollBar.left + slowDownScrollBar.width + GapX, GapY);
    auto below = [&](const Box& above, const Box& column) {
        return at(size(column.width, RowHeight), column.left, above.top + above.height + GapY);
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
    const Box startButton = at(size(2 * ColumnWidth, RowHeight), parametersHeading.left, SH / 2 + GapY);
    const Box voltageButton = below(startButton, startButton);
    const Box lightButton = below(voltageButton, startButton);
    const Box viewGroupBox = at(size(startButton.width - 3 * GapX, 3.3 * RowHeight),
                                characteristicsHeading.left + 12 * GapX, startButton.top);
    const Box randomChargesCheckBox =
        at(size(1.1 * ColumnWidth, RowHeight), startButton.left + startButton.width + GapX, voltageButton.top);
    const Box charge2Readout =
        at(size(2 * ColumnWidth, RowHeight), parametersHeading.left, lightButton.top + lightButton.height + GapY);
    const Box charge3Readout = below(charge2Readout, charge2Readout);
    const Box chargeRatioReadout =
        at(size(charge2Readout.width, RowHeight), characteristicsHeading.left, charge2Readout.top);
    const Box chargeDifferenceReadout =
        at(size(charge2Readout.width, RowHeight), chargeRatioReadout.left, charge3Readout.top);

    // Drawing area: the animation view over the full height, the plots over the upper half.
    const Box animationView = at(size(parametersHeading.left - 2 * GapX, SH - 2 * GapY), GapX, GapY);
    const Box coordinatePlot = at(size(parametersHeading.left - 2 * GapX, SH / 2 - GapY), GapX, GapY);
    const Box velocityPlot =
        at(size(coordinatePlot.width, coordinatePlot.height), animationView.left, coordinatePlot.top);

    return {
        {ControlId::parametersHeading, handOver(parametersHeading)},
        {ControlId::plateGapCaption, handOver(plateGapCaption)},
        {ControlId::plateGapEdit, handOver(plateGapEdit)},
        {ControlId::plateGapUnit, handOver(plateGapUnit)},
        {ControlId::voltageCaption, handOver(voltageCaption)},
        {ControlId::voltageEdit, handOver(voltageEdit)},
        {ControlId::voltageUnit, handOver(voltageUnit)},
        {ControlId::diameterCaption, handOver(diameterCaption)},
        {ControlId::diameterEdit, handOver(diameterEdit)},
        {ControlId::diameterUnit, handOver(diameterUnit)},
        {ControlId::dropletDensityCaption, handOver(dropletDensityCaption)},
        {ControlId::dropletDensityEdit, handOver(dropletDensityEdit)},
        {ControlId::dropletDensityUnit, handOver(dropletDensityUnit)},
        {ControlId::mediumDensityCaption, handOver(mediumDensityCaption)},
        {ControlId::mediumDensityEdit, handOver(mediumDensityEdit)},
        {ControlId::mediumDensityUnit, handOver(mediumDensityUnit)},
        {ControlId::viscosityCaption, handOver(viscosityCaption)},
        {ControlId::viscosityEdit, handOver(viscosityEdit)},
        {ControlId::viscosityUnit, handOver(viscosityUnit)},
        {ControlId::slowDownScrollBar, handOver(slowDownScrollBar)},
        {ControlId::slowDownReadout, handOver(slowDownReadout)},
        {ControlId::characteristicsHeading, handOver(characteristicsHeading)},
        {ControlId::massReadout, handOver(massReadout)},
        {ControlId::fieldStrengthReadout, handOver(fieldStrengthReadout)},
        {ControlId::relaxationTimeReadout, handOver(relaxationTimeReadout)},
        {ControlId::forceRatioReadout, handOver(forceRatioReadout)},
        {ControlId::velocitiesHeading, handOver(velocitiesHeading)},
        {ControlId::terminalVelocityReadout, handOver(terminalVelocityReadout)},
        {ControlId::limitingVelocity2Readout, handOver(limitingVelocity2Readout)},
        {ControlId::limitingVelocity3Readout, handOver(limitingVelocity3Readout)},
        {ControlId::startButton, handOver(startButton)},
        {ControlId::voltageButton, handOver(voltageButton)},
        {ControlId::lightButton, handOver(lightButton)},
        {ControlId::viewGroupBox, handOver(viewGroupBox)},
        {ControlId::randomChargesCheckBox, handOver(randomChargesCheckBox)},
        {ControlId::charge2Readout, handOver(charge2Readout)},
        {ControlId::charge3Readout, handOver(charge3Readout)},
        {ControlId::chargeRatioReadout, handOver(chargeRatioReadout)},
        {ControlId::chargeDifferenceReadout, handOver(chargeDifferenceReadout)},
        {ControlId::animationView, handOver(animationView)},
        {ControlId::coordinatePlot, handOver(coordinatePlot)},
        {ControlId::velocityPlot, handOver(velocityPlot)},
    };
}

WindowLayout::WindowLayout(const MainWindowControls& controls, const ClientArea& clientArea)
    : m_controls(controls), m_clientArea(clientArea)
{
}

void WindowLayout::apply()
{
    for (const Entry& entry : compute(m_clientArea.width(), m_clientArea.height())) {
        m_controls.control(entry.control)->setGeometry(entry.geometry);
        hideAfter(entry.control);
    }
    m_controls.beamSprite->setVisible(false);
    m_controls.voltageButton->setEnabled(false);
    m_controls.lightButton->setEnabled(false);
}

void WindowLayout::hideAfter(ControlId placed)
{
    // Whatever an experiment showed is hidden again as the pass goes by.
    const MainWindowControls& c = m_controls;
    switch (placed) {
    case ControlId::limitingVelocity2Readout: c.limitingVelocity2Readout->setVisible(false); break;
    case ControlId::limitingVelocity3Readout: c.limitingVelocity3Readout->setVisible(false); break;
    case ControlId::charge3Readout:
        c.charge2Readout->setVisible(false);
        c.charge3Readout->setVisible(false);
        break;
    case ControlId::chargeDifferenceReadout:
        c.chargeRatioReadout->setVisible(false);
        c.chargeDifferenceReadout->setVisible(false);
        break;
    case ControlId::coordinatePlot: c.coordinatePlot->setVisible(false); break;
    case ControlId::velocityPlot: c.velocityPlot->setVisible(false); break;
    default: break;
    }
}

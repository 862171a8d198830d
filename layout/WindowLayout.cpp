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

using L = WindowLayout;

/// A box of a size; sizes are clamped at 0 as they are made, so that later
/// references see the clamped value.
Box size(double w, double h)
{
    return Box{0, 0, std::max(0.0, w), std::max(0.0, h)};
}

Box at(Box box, double left, double top)
{
    box.left = left;
    box.top = top;
    return box;
}

/// A row of the grid below `above`, in the column of `column`.
Box below(const Box& above, const Box& column)
{
    return at(size(column.width, L::RowHeight), column.left, above.top + above.height + L::GapY);
}

/// The parameter column: heading, six input rows (caption, input, unit), the slow-down.
struct ParameterColumn {
    Box heading;
    Box rows[6][3]; ///< caption, input and unit of each parameter, in the order of SetupParameter
    Box slowDownScrollBar;
    Box slowDownReadout;
};

ParameterColumn parameterColumn(double clientWidth)
{
    ParameterColumn c;
    c.heading = at(size(2 * L::ColumnWidth, L::RowHeight), clientWidth - 5.2 * L::ColumnWidth, L::GapY);
    Box* first = c.rows[0];
    first[0] = at(size(L::ColumnWidth / 2, L::RowHeight), c.heading.left, c.heading.top + L::RowHeight + L::GapY);
    first[1] = at(size(1.3 * L::ColumnWidth, L::RowHeight), first[0].left + first[0].width, first[0].top);
    first[2] = at(size(2.0 / 3 * L::ColumnWidth, L::RowHeight), first[1].left + first[1].width, first[0].top);
    // Row k of the inputs lies k·(RowHeight + GapY) below the heading.
    for (int k = 2; k <= 6; ++k)
        for (int j = 0; j < 3; ++j)
            c.rows[k - 1][j] =
                at(size(first[j].width, L::RowHeight), first[j].left, c.heading.top + k * L::RowHeight + k * L::GapY);
    // Ten gaps, not seven: the scroll bar sits a little apart from the inputs.
    c.slowDownScrollBar = at(size(first[0].width + first[1].width + first[2].width, L::RowHeight / 2), first[0].left,
                             c.heading.top + 7 * L::RowHeight + 10 * L::GapY);
    const Box& bar = c.slowDownScrollBar;
    c.slowDownReadout = size(L::ColumnWidth / 4, L::RowHeight);
    c.slowDownReadout =
        at(c.slowDownReadout, bar.left + bar.width / 2 - c.slowDownReadout.width / 2, bar.top + bar.height);
    return c;
}

/// The derived quantities, one row below another, right of the parameters.
struct ReadoutColumn {
    Box characteristicsHeading, mass, fieldStrength, relaxationTime, forceRatio;
    Box velocitiesHeading, terminalVelocity, limitingVelocity2, limitingVelocity3;
};

ReadoutColumn readoutColumn(const ParameterColumn& parameters)
{
    const Box& bar = parameters.slowDownScrollBar;
    ReadoutColumn c;
    c.characteristicsHeading = at(size(2.6 * L::ColumnWidth, L::RowHeight), bar.left + bar.width + L::GapX, L::GapY);
    c.mass = below(c.characteristicsHeading, c.characteristicsHeading);
    c.fieldStrength = below(c.mass, c.characteristicsHeading);
    c.relaxationTime = below(c.fieldStrength, c.characteristicsHeading);
    c.forceRatio = below(c.relaxationTime, c.characteristicsHeading);
    c.velocitiesHeading = below(c.forceRatio, c.characteristicsHeading);
    c.terminalVelocity = below(c.velocitiesHeading, c.velocitiesHeading);
    c.limitingVelocity2 = below(c.terminalVelocity, c.velocitiesHeading);
    c.limitingVelocity3 = below(c.limitingVelocity2, c.velocitiesHeading);
    return c;
}

/// The lower block, from just below the vertical middle: buttons, the view
/// selector, the random charges' box and the charge read-outs.
struct LowerBlock {
    Box startButton, voltageButton, lightButton, viewGroupBox, randomChargesCheckBox;
    Box charge2, charge3, chargeRatio, chargeDifference;
};

LowerBlock lowerBlock(const ParameterColumn& parameters, const ReadoutColumn& readouts, double clientHeight)
{
    LowerBlock b;
    b.startButton = at(size(2 * L::ColumnWidth, L::RowHeight), parameters.heading.left, clientHeight / 2 + L::GapY);
    b.voltageButton = below(b.startButton, b.startButton);
    b.lightButton = below(b.voltageButton, b.startButton);
    b.viewGroupBox = at(size(b.startButton.width - 3 * L::GapX, 3.3 * L::RowHeight),
                        readouts.characteristicsHeading.left + 12 * L::GapX, b.startButton.top);
    b.randomChargesCheckBox = at(size(1.1 * L::ColumnWidth, L::RowHeight),
                                 b.startButton.left + b.startButton.width + L::GapX, b.voltageButton.top);
    b.charge2 = at(size(2 * L::ColumnWidth, L::RowHeight), parameters.heading.left,
                   b.lightButton.top + b.lightButton.height + L::GapY);
    b.charge3 = below(b.charge2, b.charge2);
    b.chargeRatio = at(size(b.charge2.width, L::RowHeight), readouts.characteristicsHeading.left, b.charge2.top);
    b.chargeDifference = at(size(b.charge2.width, L::RowHeight), b.chargeRatio.left, b.charge3.top);
    return b;
}

} // namespace

std::vector<WindowLayout::Entry> WindowLayout::compute(double clientWidth, double clientHeight)
{
    const ParameterColumn p = parameterColumn(clientWidth);
    const ReadoutColumn r = readoutColumn(p);
    const LowerBlock b = lowerBlock(p, r, clientHeight);
    // Drawing area: the animation view over the full height, the plots over the upper half.
    const Box animationView = at(size(p.heading.left - 2 * GapX, clientHeight - 2 * GapY), GapX, GapY);
    const Box coordinatePlot = at(size(p.heading.left - 2 * GapX, clientHeight / 2 - GapY), GapX, GapY);
    const Box velocityPlot =
        at(size(coordinatePlot.width, coordinatePlot.height), animationView.left, coordinatePlot.top);

    using C = ControlId;
    std::vector<Entry> entries{{C::parametersHeading, handOver(p.heading)}};
    const ControlId inputs[6][3] = {
        {C::plateGapCaption, C::plateGapEdit, C::plateGapUnit},
        {C::voltageCaption, C::voltageEdit, C::voltageUnit},
        {C::diameterCaption, C::diameterEdit, C::diameterUnit},
        {C::dropletDensityCaption, C::dropletDensityEdit, C::dropletDensityUnit},
        {C::mediumDensityCaption, C::mediumDensityEdit, C::mediumDensityUnit},
        {C::viscosityCaption, C::viscosityEdit, C::viscosityUnit},
    };
    for (int k = 0; k < 6; ++k)
        for (int j = 0; j < 3; ++j)
            entries.push_back({inputs[k][j], handOver(p.rows[k][j])});
    const std::pair<ControlId, const Box&> rest[] = {
        {C::slowDownScrollBar, p.slowDownScrollBar},
        {C::slowDownReadout, p.slowDownReadout},
        {C::characteristicsHeading, r.characteristicsHeading},
        {C::massReadout, r.mass},
        {C::fieldStrengthReadout, r.fieldStrength},
        {C::relaxationTimeReadout, r.relaxationTime},
        {C::forceRatioReadout, r.forceRatio},
        {C::velocitiesHeading, r.velocitiesHeading},
        {C::terminalVelocityReadout, r.terminalVelocity},
        {C::limitingVelocity2Readout, r.limitingVelocity2},
        {C::limitingVelocity3Readout, r.limitingVelocity3},
        {C::startButton, b.startButton},
        {C::voltageButton, b.voltageButton},
        {C::lightButton, b.lightButton},
        {C::viewGroupBox, b.viewGroupBox},
        {C::randomChargesCheckBox, b.randomChargesCheckBox},
        {C::charge2Readout, b.charge2},
        {C::charge3Readout, b.charge3},
        {C::chargeRatioReadout, b.chargeRatio},
        {C::chargeDifferenceReadout, b.chargeDifference},
        {C::animationView, animationView},
        {C::coordinatePlot, coordinatePlot},
        {C::velocityPlot, velocityPlot},
    };
    for (const auto& [control, box] : rest)
        entries.push_back({control, handOver(box)});
    return entries;
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

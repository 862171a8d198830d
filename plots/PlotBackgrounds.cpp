// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlotBackgrounds.h"

#include "ExperimentState.h"
#include "NumberFormat.h"
#include "PlotRanges.h"
#include "Reticle.h"

#include "Canvas.h"
#include "Sprite.h"

namespace {

float single(double value)
{
    return static_cast<float>(value);
}

/// The time axis and the quantity's axis through the origin of a plot whose
/// quantity runs from bottom to top (plot units).
void drawAxes(Canvas& plot, const PlotRanges& s, double top, float bottom)
{
    plot.drawLine(0, single(top), 0, bottom, Colors::Black);
    plot.drawLine(single(s.timeLeft), 0, single(s.timeRight), 0, Colors::Black);
}

/// The quantity's name at the top left of a plot, "t/tau" at the right just
/// above the time axis; timeStep is one grid step of time (units of tau).
void drawCaptions(Canvas& plot, const PlotRanges& s, double top, double timeStep, const QString& quantity)
{
    plot.setCurrentX(single(0.03 * (s.timeRight - s.timeLeft)));
    plot.setCurrentY(single(top));
    plot.printText(quantity);
    plot.setCurrentX(single(s.timeRight - 2 * timeStep));
    plot.setCurrentY(single(0.07 * top));
    plot.printText(QStringLiteral("t/tau"));
}

} // namespace

PlotBackgrounds::PlotBackgrounds(const ExperimentState& state, const PlotRanges& ranges,
                                 const DrawingSurfaces& surfaces, const QLocale& locale)
    : m_state(state), m_ranges(ranges), m_surfaces(surfaces), m_locale(locale)
{
}

void PlotBackgrounds::drawAnimationBackground()
{
    const PlotRanges& s = m_ranges;
    Canvas& view = m_surfaces.animationView;
    // The reticle: the gap in its bands.
    const double band = (s.coordinateMax - static_cast<double>(s.coordinateMin)) / Reticle::Bands;
    view.setDrawWidth(1);
    for (int k = 0; k <= Reticle::Bands; ++k) {
        const double y = k * band;
        view.drawLine(single(s.viewLeft), single(y), single(s.viewRight), single(y), Colors::LightGreen);
        view.drawPoint(0, single(y));
        // Fraction of the plate gap measured from the upper plate.
        view.printText(NumberFormat::format(k * 0.1, u"#0.00", m_locale));
    }

    Sprite& marker = m_surfaces.dropletMarker;
    marker.setLeft(m_state.X - marker.userWidth() / 2);
    marker.setTop(-(marker.userHeight() / 2));
}

void PlotBackgrounds::drawCoordinateBackground()
{
    const PlotRanges& s = m_ranges;
    Canvas& plot = m_surfaces.coordinatePlot;
    plot.setDrawWidth(3);
    drawAxes(plot, s, s.coordinateMax, s.coordinateMin);

    const double timeStep = (s.timeRight - s.timeLeft) / 20;
    const double coordinateStep = (s.coordinateMax - static_cast<double>(s.coordinateMin)) / 20;
    plot.setDrawWidth(1);
    for (int k = 0; k <= 20; ++k) {
        plot.drawLine(single(s.timeLeft), single(k * coordinateStep), single(s.timeRight), single(k * coordinateStep),
                      Colors::LightGreen);
        plot.drawLine(single(k * timeStep), single(s.coordinateMax), single(k * timeStep), s.coordinateMin,
                      Colors::LightGreen);
        plot.drawPoint(single(k * timeStep), single(0.04 * s.coordinateMax));
        plot.drawPoint(0, single(k * coordinateStep));
    }
    drawAxes(plot, s, s.coordinateMax, s.coordinateMin);
    drawCaptions(plot, s, s.coordinateMax, timeStep, QStringLiteral("X/(Vg*tau)"));
}

void PlotBackgrounds::drawVelocityBackground()
{
    const PlotRanges& s = m_ranges;
    Canvas& plot = m_surfaces.velocityPlot;
    plot.setDrawWidth(3);
    drawAxes(plot, s, s.velocityTop, s.velocityBottom);

    double timeStep = (s.timeRight - s.timeLeft) / 20;
    double velocityStep = (s.velocityTop - static_cast<double>(s.velocityBottom)) / 20;
    if (timeStep == 0)
        timeStep = 0.25;
    if (velocityStep == 0)
        velocityStep = 0.1;
    plot.setDrawWidth(1);
    // The grid is anchored at time 0 and velocity 0 and reaches 20 steps to
    // either side, so it covers the range whether or not it dips below 0.
    for (int k = -20; k <= 20; ++k) {
        const double v = k * velocityStep;
        plot.drawLine(single(s.timeLeft), single(v), single(s.timeRight), single(v), Colors::LightGreen);
        plot.drawLine(single(k * timeStep), single(s.velocityTop), single(k * timeStep), s.velocityBottom,
                      Colors::LightGreen);
        plot.drawPoint(single(k * timeStep), 0);
        plot.drawPoint(0, single(v));
        plot.printText(NumberFormat::format(v, u"#0.00", m_locale));
    }
    drawAxes(plot, s, s.velocityTop, s.velocityBottom);
    drawCaptions(plot, s, s.velocityTop, timeStep, QStringLiteral("Vy/Vg, "));
}

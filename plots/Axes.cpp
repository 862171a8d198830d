#include "Axes.h"

#include "ExperimentState.h"
#include "NumberFormat.h"

#include "Form1Controls.h"

namespace {

float single(double value)
{
    return static_cast<float>(value);
}

} // namespace

Axes::Axes(ExperimentState& state, const Form1Controls& controls, const QLocale& locale)
    : m_state(state), m_controls(controls), m_locale(locale)
{
}

void Axes::axes()
{
    ExperimentState& s = m_state;
    Canvas& view = *m_controls.Picture1;
    const double band = (s.y_top - static_cast<double>(s.y_bottom)) / 10;
    view.setDrawWidth(1);
    for (s.i = 0; s.i <= 10; s.i += 1) {
        const double y = s.i * band;
        view.Line(single(s.x_left), single(y), single(s.x_right), single(y), Colors::LightGreen);
        view.PSet(0, single(y));
        // Fraction of the plate gap measured from the upper plate.
        view.Print(NumberFormat::format(s.i * 0.1, u"#0.00", m_locale));
    }

    Sprite& marker = *m_controls.Shape1;
    marker.setLeft(s.X - marker.Width() / 2);
    marker.setTop(-(marker.Height() / 2));
}

void Axes::axes_2()
{
    ExperimentState& s = m_state;
    Canvas& plot = *m_controls.Picture2;
    plot.setDrawWidth(3);
    plot.Line(0, single(s.y_top), 0, s.y_bottom, Colors::Black);
    plot.Line(single(s.t_left), 0, single(s.t_right), 0, Colors::Black);
    s.t = s.t_min;

    const double timeStep = (s.t_right - s.t_left) / 20;
    const double coordinateStep = (s.y_top - static_cast<double>(s.y_bottom)) / 20;
    plot.setDrawWidth(1);
    for (s.i = 0; s.i <= 20; s.i += 1) {
        plot.Line(single(s.t_left), single(s.i * coordinateStep), single(s.t_right), single(s.i * coordinateStep),
                  Colors::LightGreen);
        plot.Line(single(s.i * timeStep), single(s.y_top), single(s.i * timeStep), s.y_bottom, Colors::LightGreen);
        plot.PSet(single(s.i * timeStep), single(0.04 * s.y_top));
        plot.PSet(0, single(s.i * coordinateStep));
    }
    plot.Line(0, single(s.y_top), 0, s.y_bottom, Colors::Black);
    plot.Line(single(s.t_left), 0, single(s.t_right), 0, Colors::Black);

    plot.setCurrentX(single(0.03 * (s.t_right - s.t_left)));
    plot.setCurrentY(single(s.y_top));
    plot.Print(QStringLiteral("X/(Vg*tau)"));
    plot.setCurrentX(single(s.t_right - 2 * timeStep));
    plot.setCurrentY(single(0.07 * s.y_top));
    plot.Print(QStringLiteral("t/tau"));
}

void Axes::axes_3()
{
    ExperimentState& s = m_state;
    Canvas& plot = *m_controls.Picture3;
    plot.setDrawWidth(3);
    plot.Line(0, single(s.Vy_top), 0, s.Vy_bottom, Colors::Black);
    plot.Line(single(s.t_left), 0, single(s.t_right), 0, Colors::Black);
    s.t = s.t_min;

    double timeStep = (s.t_right - s.t_left) / 20;
    double velocityStep = (s.Vy_top - static_cast<double>(s.Vy_bottom)) / 20;
    if (timeStep == 0)
        timeStep = 0.25;
    if (velocityStep == 0)
        velocityStep = 0.1;
    plot.setDrawWidth(1);
    // The grid is anchored at time 0 and velocity 0 and reaches 20 steps to
    // either side, so it covers the range whether or not it dips below 0.
    for (s.i = -20; s.i <= 20; s.i += 1) {
        const double v = s.i * velocityStep;
        plot.Line(single(s.t_left), single(v), single(s.t_right), single(v), Colors::LightGreen);
        plot.Line(single(s.i * timeStep), single(s.Vy_top), single(s.i * timeStep), s.Vy_bottom,
                  Colors::LightGreen);
        plot.PSet(single(s.i * timeStep), 0);
        plot.PSet(0, single(v));
        plot.Print(NumberFormat::format(v, u"#0.00", m_locale));
    }
    plot.Line(0, single(s.Vy_top), 0, s.Vy_bottom, Colors::Black);
    plot.Line(single(s.t_left), 0, single(s.t_right), 0, Colors::Black);

    plot.setCurrentX(single(0.03 * (s.t_right - s.t_left)));
    plot.setCurrentY(single(s.Vy_top));
    plot.Print(QStringLiteral("Vy/Vg, "));
    plot.setCurrentX(single(s.t_right - 2 * timeStep));
    plot.setCurrentY(single(0.07 * s.Vy_top));
    plot.Print(QStringLiteral("t/tau"));
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunRecord.h"

#include <algorithm>

void RunRecord::begin(float tau, double Vg, double t, double Y0)
{
    m_points.clear();
    m_tau = tau;
    m_Vg = Vg;
    m_points.push_back({0, t, Y0, 0});
}

void RunRecord::add(double t, double Y, float Vy)
{
    m_points.push_back({m_points.back().step + 1, t, Y, Vy});
}

bool RunRecord::valuesAt(double t, double& Y, double& Vy) const
{
    if (m_points.empty() || !(t >= m_points.front().t && t <= m_points.back().t))
        return false;
    // The first point at or after t; the run's clock only moves forward.
    const auto after =
        std::lower_bound(m_points.begin(), m_points.end(), t, [](const Point& p, double time) { return p.t < time; });
    if (after == m_points.begin() || after->t == t) {
        Y = after->Y;
        Vy = static_cast<double>(after->Vy);
        return true;
    }
    const Point& a = *(after - 1);
    const Point& b = *after;
    const double f = (t - a.t) / (b.t - a.t);
    Y = a.Y + f * (b.Y - a.Y);
    Vy = static_cast<double>(a.Vy) + f * (static_cast<double>(b.Vy) - static_cast<double>(a.Vy));
    return true;
}

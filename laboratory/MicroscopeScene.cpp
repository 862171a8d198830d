// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MicroscopeScene.h"

#include "Reticle.h"

#include <algorithm>
#include <cmath>

MicroscopeScene::MicroscopeScene(const Spray& spray, int width, int height, bool inverted)
    : m_cx(width / 2.0), m_cy(height / 2.0), m_inverted(inverted)
{
    const double DD = spray.plateGap();
    const double fieldRadius = Spray::FieldRadius * DD;
    m_radius = std::max(1.0, 0.95 * std::min(width, height) / 2.0);
    m_scale = m_radius / fieldRadius;
    m_gapCentre = DD / 2;
    for (int k = 0; k <= Reticle::Bands; ++k) {
        const double dy = k * Reticle::bandLength(DD) - m_gapCentre;
        if (std::fabs(dy) >= fieldRadius)
            continue;
        const double half = std::sqrt(fieldRadius * fieldRadius - dy * dy) * m_scale;
        m_reticle.push_back({toY(k * Reticle::bandLength(DD)), m_cx - half, m_cx + half});
    }
    for (const Spray::Droplet& d : spray.droplets()) {
        if (!spray.visible(d))
            continue;
        const double sharp = spray.sharpness(d);
        Spot spot;
        spot.id = d.id;
        spot.x = toX(d.X);
        spot.y = toY(d.Y);
        spot.core = CoreRadius + Blur * (1 - sharp);
        spot.halo = HaloRadius + Blur * (1 - sharp);
        spot.brightness = sharp;
        m_spots.push_back(spot);
    }
}

double MicroscopeScene::toX(double X) const
{
    return m_cx + (m_inverted ? -X : X) * m_scale;
}

double MicroscopeScene::toY(double Y) const
{
    const double dy = Y - m_gapCentre;
    return m_cy + (m_inverted ? -dy : dy) * m_scale;
}

int MicroscopeScene::spotAt(double x, double y, double reach) const
{
    int found = 0;
    double best = reach;
    for (const Spot& s : m_spots) {
        const double distance = std::hypot(s.x - x, s.y - y);
        if (distance <= best) {
            best = distance;
            found = s.id;
        }
    }
    return found;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Spray.h"

#include <vector>

/// What the eyepiece shows of a spray, in a view's pixels: the round field
/// of view (the gap's middle, FieldRadius·DD around its centre) fitted into
/// the view, the reticle's lines across it (the plate gap in ten bands), and
/// each droplet seen as a point of light. A droplet is far smaller than the
/// microscope resolves: in focus it is a diffraction spot of a fixed size;
/// out of focus it spreads and dims as its sharpness falls, and beyond the
/// visible depth it is not there. An inverting microscope shows the field
/// turned round (falling droplets rise).
class MicroscopeScene {
public:
    /// The spot of a droplet in focus: its core's and its halo's radius, px.
    static constexpr double CoreRadius = 1.5, HaloRadius = 4;
    /// How far a spot spreads when it is all but out of focus, px.
    static constexpr double Blur = 6;

    struct Spot {
        int id = 0;
        double x = 0, y = 0;   ///< px
        double core = 0;       ///< radius, px
        double halo = 0;       ///< radius, px
        double brightness = 0; ///< 0…1
    };
    struct Line {
        double y = 0;          ///< px
        double x1 = 0, x2 = 0; ///< px: the chord of the field of view
    };

    /// The scene of `spray` in a view `width` × `height` px.
    MicroscopeScene(const Spray& spray, int width, int height, bool inverted);

    /// The field of view's centre and radius, px.
    double centreX() const { return m_cx; }
    double centreY() const { return m_cy; }
    double radius() const { return m_radius; }
    /// px per m.
    double scale() const { return m_scale; }
    const std::vector<Spot>& spots() const { return m_spots; }
    const std::vector<Line>& reticle() const { return m_reticle; }

    /// The droplet's place in the view, px (for any droplet, seen or not).
    double toX(double X) const;
    double toY(double Y) const;
    /// The spot nearest to (x, y) px within `reach` px; 0 when there is none.
    int spotAt(double x, double y, double reach) const;

private:
    double m_cx = 0, m_cy = 0, m_radius = 0, m_scale = 0;
    double m_gapCentre = 0; ///< m
    bool m_inverted = false;
    std::vector<Spot> m_spots;
    std::vector<Line> m_reticle;
};

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Canvas;
class Sprite;

/// The three drawing surfaces of the main window and the two pictures that
/// lie on the animation view.
struct DrawingSurfaces {
    Canvas& animationView;  ///< the plate gap, ruled into 10 bands, with the droplet
    Canvas& coordinatePlot; ///< coordinate against time
    Canvas& velocityPlot;   ///< velocity against time
    Sprite& dropletMarker;  ///< on the animation view
    Sprite& beam;           ///< the X-ray beam, on the animation view
};

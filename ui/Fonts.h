// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

/// The fonts of the windows. Sizes are set in pixels (the point sizes at 96
/// dots per inch), because the layout is in pixels: 12 pt is 16 px. Where
/// "Times New Roman" or "MS Sans Serif" are missing, the metric-compatible
/// Liberation faces stand in; they are named directly rather than left to the
/// font matcher, which is much slower to find a substitute.
class Fonts {
public:
    static QFont text();      ///< Times New Roman 12 pt: inputs, read-outs, captions
    static QFont heading();   ///< Times New Roman 12 pt bold: the panel's headings
    static QFont smallText(); ///< Times New Roman 11.25 pt: the drawing surfaces, two view options
    static QFont button();    ///< MS Sans Serif 8.25 pt bold: the command buttons
    /// Registers the substitutes; call once after the application exists.
    static void registerSubstitutes();
    /// The serif and sans-serif families actually used.
    static QString serifFamily();
    static QString sansFamily();
};

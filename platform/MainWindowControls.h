// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Canvas.h"
#include "Control.h"
#include "DrawingSurfaces.h"
#include "Sprite.h"

#include <QMetaType>

#include <array>
#include <cstddef>
#include <type_traits>

/// Every control of the main window that the program works with, in one list:
/// X(kind, name), in the order the window lays them out. This list is the only
/// place that names the controls: the window builds a widget for each entry,
/// named (objectName) after it; the layout, the procedures, the fakes and the
/// tests reach each control through the members and ids made from it.
#define OILDROP_MAIN_WINDOW_CONTROLS(X)       \
    X(Label, parametersHeading)               \
    X(Label, plateGapCaption)                 \
    X(Edit, plateGapEdit)                     \
    X(Label, plateGapUnit)                    \
    X(Label, voltageCaption)                  \
    X(Edit, voltageEdit)                      \
    X(Label, voltageUnit)                     \
    X(Label, diameterCaption)                 \
    X(Edit, diameterEdit)                     \
    X(Label, diameterUnit)                    \
    X(Label, dropletDensityCaption)           \
    X(Edit, dropletDensityEdit)               \
    X(Label, dropletDensityUnit)              \
    X(Label, mediumDensityCaption)            \
    X(Edit, mediumDensityEdit)                \
    X(Label, mediumDensityUnit)               \
    X(Label, viscosityCaption)                \
    X(Edit, viscosityEdit)                    \
    X(Label, viscosityUnit)                   \
    X(ScrollBar, slowDownScrollBar)           \
    X(Label, slowDownReadout)                 \
    X(ClickableLabel, characteristicsHeading) \
    X(Label, massReadout)                     \
    X(Label, fieldStrengthReadout)            \
    X(Label, relaxationTimeReadout)           \
    X(Label, forceRatioReadout)               \
    X(ClickableLabel, velocitiesHeading)      \
    X(Label, terminalVelocityReadout)         \
    X(Label, limitingVelocity2Readout)        \
    X(Label, limitingVelocity3Readout)        \
    X(PushButton, startButton)                \
    X(PushButton, voltageButton)              \
    X(PushButton, lightButton)                \
    X(GroupBox, viewGroupBox)                 \
    X(RadioButton, animationOption)           \
    X(RadioButton, coordinateOption)          \
    X(RadioButton, velocityOption)            \
    X(CheckBox, randomChargesCheckBox)        \
    X(Label, charge2Readout)                  \
    X(Label, charge3Readout)                  \
    X(Label, chargeRatioReadout)              \
    X(Label, chargeDifferenceReadout)         \
    X(Canvas, animationView)                  \
    X(Canvas, coordinatePlot)                 \
    X(Canvas, velocityPlot)                   \
    X(Sprite, dropletMarker)                  \
    X(Sprite, beamSprite)

/// What kind of control an entry of the list is.
enum class ControlKind {
    Label,
    ClickableLabel,
    Edit,
    PushButton,
    RadioButton,
    CheckBox,
    ScrollBar,
    GroupBox,
    Canvas,
    Sprite
};

/// One id per control, named after it.
enum class ControlId {
#define OILDROP_ID(kind, name) name,
    OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_ID)
#undef OILDROP_ID
};
Q_DECLARE_METATYPE(ControlId)

/// The ids of all controls, in the list's order.
inline constexpr std::array AllControls = {
#define OILDROP_ID(kind, name) ControlId::name,
    OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_ID)
#undef OILDROP_ID
};

/// A control's name, which is also the object name of its widget.
constexpr const char* controlName(ControlId id)
{
    constexpr const char* names[] = {
#define OILDROP_NAME(kind, name) #name,
        OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_NAME)
#undef OILDROP_NAME
    };
    return names[static_cast<std::size_t>(id)];
}

constexpr ControlKind controlKind(ControlId id)
{
    constexpr ControlKind kinds[] = {
#define OILDROP_KIND(kind, name) ControlKind::kind,
        OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_KIND)
#undef OILDROP_KIND
    };
    return kinds[static_cast<std::size_t>(id)];
}

/// How the program's logic sees a control of a kind: a drawing surface is a
/// Canvas, a picture on it a Sprite, everything else a Control.
template <ControlKind Kind>
struct ControlInterface {
    using type = Control;
};
template <>
struct ControlInterface<ControlKind::Canvas> {
    using type = Canvas;
};
template <>
struct ControlInterface<ControlKind::Sprite> {
    using type = Sprite;
};

/// The controls of the main window as the program's logic sees them. The
/// window (or a test's fake) fills every member.
struct MainWindowControls {
#define OILDROP_MEMBER(kind, name) ControlInterface<ControlKind::kind>::type* name = nullptr;
    OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_MEMBER)
#undef OILDROP_MEMBER

    /// The control with that id; nullptr for a sprite, which is not a Control.
    Control* control(ControlId id) const;
    /// The drawing surfaces with the pictures on them.
    DrawingSurfaces surfaces() const
    {
        return {*animationView, *coordinatePlot, *velocityPlot, *dropletMarker, *beamSprite};
    }
    /// The six parameter inputs, top to bottom of the panel: D, Ux, d, ρ, ρ0, η.
    std::array<Control*, 6> parameterEdits() const
    {
        return {plateGapEdit, voltageEdit, diameterEdit, dropletDensityEdit, mediumDensityEdit, viscosityEdit};
    }
};

namespace ControlTable {
template <class T>
Control* asControl(T* pointer)
{
    if constexpr (std::is_base_of_v<Control, T>)
        return pointer;
    else
        return nullptr;
}
} // namespace ControlTable

inline Control* MainWindowControls::control(ControlId id) const
{
    switch (id) {
#define OILDROP_CASE(kind, name) \
    case ControlId::name: return ControlTable::asControl(name);
        OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_CASE)
#undef OILDROP_CASE
    }
    return nullptr;
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ClickableLabel.h"

#include "CanvasWidget.h"
#include "MainWindowControls.h"
#include "QtSprite.h"

#include "SetupParameters.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

/// The widget class that shows a control of a kind.
template <ControlKind Kind>
struct WidgetClass;
template <>
struct WidgetClass<ControlKind::Label> {
    using type = QLabel;
};
template <>
struct WidgetClass<ControlKind::ClickableLabel> {
    using type = ClickableLabel;
};
template <>
struct WidgetClass<ControlKind::Edit> {
    using type = QLineEdit;
};
template <>
struct WidgetClass<ControlKind::PushButton> {
    using type = QPushButton;
};
template <>
struct WidgetClass<ControlKind::RadioButton> {
    using type = QRadioButton;
};
template <>
struct WidgetClass<ControlKind::CheckBox> {
    using type = QCheckBox;
};
template <>
struct WidgetClass<ControlKind::ScrollBar> {
    using type = QScrollBar;
};
template <>
struct WidgetClass<ControlKind::GroupBox> {
    using type = QGroupBox;
};
template <>
struct WidgetClass<ControlKind::Canvas> {
    using type = CanvasWidget;
};
template <>
struct WidgetClass<ControlKind::Sprite> {
    using type = QtSprite;
};

/// The widgets of the main window's controls, typed, one member per entry of
/// the control list.
struct MainWindowWidgets {
#define OILDROP_MEMBER(kind, name) WidgetClass<ControlKind::kind>::type* name = nullptr;
    OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_MEMBER)
#undef OILDROP_MEMBER

    /// The widget of a control.
    QWidget* widget(ControlId id) const
    {
        switch (id) {
#define OILDROP_CASE(kind, name) \
    case ControlId::name: return name;
            OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_CASE)
#undef OILDROP_CASE
        }
        return nullptr;
    }

    /// The input of a setup parameter.
    QLineEdit* parameterEdit(SetupParameter parameter) const
    {
        switch (parameter) {
        case SetupParameter::PlateGap: return plateGapEdit;
        case SetupParameter::Voltage: return voltageEdit;
        case SetupParameter::Diameter: return diameterEdit;
        case SetupParameter::DropletDensity: return dropletDensityEdit;
        case SetupParameter::MediumDensity: return mediumDensityEdit;
        case SetupParameter::Viscosity: return viscosityEdit;
        }
        return nullptr;
    }
};

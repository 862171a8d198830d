// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// Position and size of a control in pixels of its container's client area.
/// Values are kept as handed over (single precision, possibly fractional);
/// rounding to whole pixels is the toolkit's business.
struct ControlGeometry {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend constexpr bool operator==(const ControlGeometry&, const ControlGeometry&) = default;
};

/// A control of a window as the window's procedures see it: the handful of
/// properties they read and write. One interface serves every kind of control;
/// each kind gives meaning to the properties it has:
///  - text: the caption of a label, button, check box or frame, the text of a text box.
///    A text box reports a change of its text (to its change handler) whenever the
///    text becomes different, also when the program sets it;
///  - value: 0/1 for a check box and an option button (1 = checked / selected), the
///    position of a scroll bar. Selecting an option button clears the others of its
///    group and runs its click handler when it was not selected before; a scroll bar
///    reports a change of its value when the value becomes different;
///  - visible, enabled: the control's own flags (not whether its container is shown);
///  - geometry: pixels, see ControlGeometry.
class Control {
public:
    virtual ~Control() = default;

    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;

    virtual int value() const = 0;
    virtual void setValue(int value) = 0;

    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;

    virtual ControlGeometry geometry() const = 0;
    virtual void setGeometry(const ControlGeometry& geometry) = 0;
};

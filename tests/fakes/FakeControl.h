// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Control.h"

#include <functional>
#include <vector>

/// An in-memory control that keeps its properties and reports changes the way
/// the real toolkit does: a text box reports a different text, a scroll bar a
/// different value, and selecting an unselected option button clears the
/// others of its group and runs its click handler.
class FakeControl : public Control {
public:
    enum class Kind { Label, TextBox, Button, CheckBox, OptionButton, ScrollBar, Frame, Picture };

    explicit FakeControl(Kind kind = Kind::Label) : m_kind(kind) {}

    QString text() const override { return m_text; }
    void setText(const QString& text) override
    {
        if (text == m_text)
            return;
        m_text = text;
        if (m_kind == Kind::TextBox && onChange)
            onChange();
    }

    int value() const override { return m_value; }
    void setValue(int value) override;

    bool isVisible() const override { return m_visible; }
    void setVisible(bool visible) override { m_visible = visible; }
    bool isEnabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    ControlGeometry geometry() const override { return m_geometry; }
    void setGeometry(const ControlGeometry& geometry) override { m_geometry = geometry; }

    /// Option buttons of the same frame, for mutual exclusion.
    std::vector<FakeControl*> group;
    /// Change handler of a text box or scroll bar; click handler of an option button.
    std::function<void()> onChange;
    /// Scroll bar range.
    int minimum = 0;
    int maximum = 32767;

private:
    Kind m_kind;
    QString m_text;
    int m_value = 0;
    bool m_visible = true;
    bool m_enabled = true;
    ControlGeometry m_geometry;
};

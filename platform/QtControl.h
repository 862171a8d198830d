// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Control.h"

#include <QPointer>
#include <QWidget>

/// A Control over a Qt widget: QLabel, QLineEdit, QAbstractButton (push
/// button, check box, radio button), QGroupBox or QAbstractSlider.
///
/// Geometry is kept as handed over (single precision, possibly fractional) and
/// applied in whole pixels: left and top rounded to the nearest pixel, width
/// and height taken between the rounded edges, so that neighbours that touch
/// exactly still touch (a control at 554.5 with width 15 covers 555..570).
class QtControl : public Control {
public:
    explicit QtControl(QWidget* widget);

    QWidget* widget() const { return m_widget; }

    QString text() const override;
    void setText(const QString& text) override;
    int value() const override;
    void setValue(int value) override;
    bool isVisible() const override;
    void setVisible(bool visible) override;
    bool isEnabled() const override;
    void setEnabled(bool enabled) override;
    ControlGeometry geometry() const override { return m_geometry; }
    void setGeometry(const ControlGeometry& geometry) override;

    /// The whole-pixel rectangle a geometry is shown at.
    static QRect pixelRect(const ControlGeometry& geometry);

    /// A label's, a check box's or a radio button's text set a little closer
    /// when it is slightly wider than its room; other widgets as they are.
    static void fitText(QWidget* widget);

private:
    QPointer<QWidget> m_widget;
    ControlGeometry m_geometry;
};

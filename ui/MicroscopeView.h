// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MicroscopeScene.h"
#include <QStringList>

#include <QHash>
#include <QPixmap>
#include <QWidget>

class Spray;

/// The view through the microscope: a dark field, the reticle's lines and a
/// scale in mm, each droplet seen a point of light with a faint halo, blurred
/// and dimmed out of focus. The droplet chosen has a thin ring; a click
/// chooses the droplet under the pointer, Tab and Shift+Tab go through the
/// droplets seen, nearest the centre first.
class MicroscopeView : public QWidget {
    Q_OBJECT

public:
    explicit MicroscopeView(QWidget* parent = nullptr);

    /// The spray shown (not owned; none: an empty field).
    void setSpray(const Spray* spray);
    /// The voltage the droplets move in, V: for what the eye sees of them.
    void setVoltage(double Ux) { m_voltage = Ux; }
    /// An inverting microscope: the field turned round.
    void setInverted(bool inverted);
    bool inverted() const { return m_inverted; }

    /// The droplet chosen; 0: none.
    int selected() const { return m_selected; }
    void select(int id);

    /// What the eye sees of each droplet in view, nearest the centre first:
    /// «капля 4: падает на деление за 14 с, у центра».
    QStringList seen() const;

    QSize sizeHint() const override { return {420, 420}; }

signals:
    void selectedChanged(int id);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    /// The next droplet seen after the one chosen (or before it), nearest the centre first.
    void step(bool forward);

    /// The field without its droplets, drawn once for each size and gap.
    const QPixmap& background(const MicroscopeScene& scene);
    /// A droplet's point of light, drawn once for each look (radii to half a
    /// pixel, brightness to 1/32).
    const QPixmap& light(const MicroscopeScene::Spot& spot);

    const Spray* m_spray = nullptr;
    QPixmap m_background;
    QString m_backgroundKey;
    QHash<quint64, QPixmap> m_lights;
    double m_voltage = 0;
    bool m_inverted = false;
    int m_selected = 0;
};

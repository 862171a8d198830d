// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class MicroscopeView;
class QCheckBox;
class QLabel;
class QListWidget;
class QSlider;
class Spray;

/// The microscope's window: the view, the focus knob (the slider, or
/// Ctrl+Up / Ctrl+Down anywhere in the window, a step of FocusStep), the
/// inverting eyepiece, the droplet chosen and why it cannot be timed, and
/// the list of the droplets in view as the eye sees them (for the keyboard
/// and screen readers), nearest the centre first.
class MicroscopeWindow : public QWidget {
    Q_OBJECT

public:
    /// One step of the focus knob, m; its range, ± m around the focal plane at rest.
    static constexpr double FocusStep = 2e-6, FocusRange = 1e-3;

    explicit MicroscopeWindow(QWidget* parent = nullptr);

    /// The spray shown (not owned).
    void setSpray(Spray* spray);
    /// The voltage the droplets move in, V.
    void setVoltage(double Ux);
    /// The droplet held between the plates now (0: none).
    void setCaught(int id) { m_caught = id; }
    /// Draws the field anew and updates the list and the chosen droplet's line.
    void refresh();
    /// A moment of the droplets' motion: the field drawn anew; the list and
    /// the chosen droplet's line, which the eye reads slowly, every ListTicks.
    void tick();
    static constexpr int ListTicks = 10;

    MicroscopeView* view() const { return m_view; }
    QSlider* focusSlider() const { return m_focus; }
    QListWidget* seenList() const { return m_seen; }
    QLabel* chosenLabel() const { return m_chosen; }

private:
    void turnFocus(int steps);

    Spray* m_spray = nullptr;
    int m_caught = 0;
    int m_ticks = 0;
    MicroscopeView* m_view;
    QSlider* m_focus;
    QCheckBox* m_inverted;
    QLabel* m_chosen;
    QListWidget* m_seen;
};

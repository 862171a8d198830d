// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class Laboratory;
class MessageBox;
class QLineEdit;
class Sound;

/// The air's pressure (Pa) and temperature (°C) in the laboratory's panel.
/// Every change of a text is read at once (the leading number; a decimal
/// comma counts as a point): a value in range is the laboratory's at once;
/// an impossible one (no pressure, below absolute zero, not a number) is
/// rejected at once with the error signal, a message and the last value
/// back; one possible but out of range (a value on its way, "5" of "50000")
/// is not taken, and is rejected so when the editing ends.
class AirInputs : public QObject {
    Q_OBJECT

public:
    static constexpr double MinimumPressure = 1000;   ///< Pa: below it the first-order slip is not enough
    static constexpr double MaximumPressure = 200000; ///< Pa
    static constexpr double MinimumCelsius = -50;
    static constexpr double MaximumCelsius = 100;

    AirInputs(Laboratory& laboratory, Sound& sound, MessageBox& messageBox, QLineEdit* pressure, QLineEdit* temperature,
              QObject* parent = nullptr);

    /// The inputs show the laboratory's air.
    void show();

private:
    /// How a text reads.
    enum class Reading { Taken, OnTheWay, Impossible };
    Reading read(QLineEdit* input, bool finished);
    void reject(QLineEdit* input, const QString& message);
    void changed(QLineEdit* input);
    void finished(QLineEdit* input);

    Laboratory& m_laboratory;
    Sound& m_sound;
    MessageBox& m_messageBox;
    QLineEdit* m_pressure;
    QLineEdit* m_temperature;
    bool m_quiet = false; ///< the program writes a text
};

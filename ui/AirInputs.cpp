// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AirInputs.h"

#include "ParameterInputs.h"

#include "AirViscosity.h"
#include "Laboratory.h"
#include "NumberReader.h"
#include "Sound.h"

#include "MessageBox.h"

#include <QLineEdit>

#include <cmath>

AirInputs::AirInputs(Laboratory& laboratory, Sound& sound, MessageBox& messageBox, QLineEdit* pressure,
                     QLineEdit* temperature, QObject* parent)
    : QObject(parent), m_laboratory(laboratory), m_sound(sound), m_messageBox(messageBox), m_pressure(pressure),
      m_temperature(temperature)
{
    for (QLineEdit* input : {pressure, temperature}) {
        connect(input, &QLineEdit::textChanged, this, [this, input] { changed(input); });
        connect(input, &QLineEdit::editingFinished, this, [this, input] { finished(input); });
    }
    show();
}

void AirInputs::show()
{
    m_quiet = true;
    m_pressure->setText(QString::number(m_laboratory.pressure(), 'g', 8));
    m_temperature->setText(QString::number(m_laboratory.temperature() - AirViscosity::CelsiusZero, 'g', 6));
    m_quiet = false;
    for (QLineEdit* input : {m_pressure, m_temperature})
        input->setStyleSheet(QString());
}

AirInputs::Reading AirInputs::read(QLineEdit* input, bool finished)
{
    const bool isPressure = input == m_pressure;
    QString text = input->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    // A sign or nothing yet: a number on its way, unless the editing is over.
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+"))
        return finished ? Reading::Impossible : Reading::OnTheWay;
    const NumberReader::Result number = NumberReader::read(text);
    const double v = number.value;
    const bool impossible =
        !number.inRange || !std::isfinite(v) || (isPressure ? v <= 0 : v <= -AirViscosity::CelsiusZero);
    if (impossible)
        return Reading::Impossible;
    const bool inRange =
        isPressure ? v >= MinimumPressure && v <= MaximumPressure : v >= MinimumCelsius && v <= MaximumCelsius;
    if (!inRange)
        return finished ? Reading::Impossible : Reading::OnTheWay;
    if (isPressure)
        m_laboratory.setAir(v, m_laboratory.temperature());
    else
        m_laboratory.setAir(m_laboratory.pressure(), v + AirViscosity::CelsiusZero);
    return Reading::Taken;
}

void AirInputs::reject(QLineEdit* input, const QString& message)
{
    m_sound.playSignalTone(Sound::ShortSignal);
    m_messageBox.showMessage(ParameterInputs::errorTitle(), message);
    show();
    // The value back, ready to be typed over.
    input->selectAll();
}

void AirInputs::changed(QLineEdit* input)
{
    if (m_quiet)
        return;
    const Reading reading = read(input, false);
    // A value not (yet) taken is marked; the one the laboratory has stands.
    input->setStyleSheet(reading == Reading::OnTheWay ? QStringLiteral("color: #c00000") : QString());
    if (reading == Reading::Impossible)
        reject(input, input == m_pressure ? tr("Давление должно быть больше нуля!")
                                          : tr("Ниже абсолютного нуля (−273,15 °C) температуры не бывает!"));
}

void AirInputs::finished(QLineEdit* input)
{
    if (m_quiet || read(input, true) == Reading::Taken)
        return;
    reject(input, input == m_pressure ? tr("Давление должно быть от 1000 до 200 000 Па!")
                                      : tr("Температура должна быть от −50 до 100 °C!"));
}

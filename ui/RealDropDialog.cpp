// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RealDropDialog.h"

#include "AirInputs.h"

#include "AirViscosity.h"
#include "Laboratory.h"

#include "MessageBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

RealDropDialog::RealDropDialog(MessageBox& messageBox, const QLocale& locale, QWidget* parent)
    : QDialog(parent), m_messageBox(messageBox), m_locale(locale)
{
    setWindowTitle(tr("Капля с реальной установки"));
    auto* form = new QFormLayout;
    const auto add = [this, form](Field f, const QString& label, double value) {
        auto* edit = new QLineEdit(m_locale.toString(value, 'g', 6), this);
        edit->setAccessibleName(QString(label).remove(QLatin1Char('&')));
        form->addRow(label, edit);
        m_fields[f] = edit;
    };
    const double celsius = Laboratory::RoomTemperature - AirViscosity::CelsiusZero;
    add(PlateGap, tr("Расстояние между &пластинами, м:"), 0.016);
    add(Voltage, tr("&Напряжение, В:"), 5085);
    add(Distance, tr("Путь &капли, м:"), 0.001);
    add(OilDensity, tr("Плотность &масла, кг/м³:"), 920);
    add(AirDensity, tr("Плотность &воздуха, кг/м³:"), 1.2);
    add(Viscosity, tr("В&язкость воздуха, Па·с:"), AirViscosity::at(Laboratory::RoomTemperature));
    add(Pressure, tr("&Давление, Па:"), Laboratory::StandardPressure);
    add(Temperature, tr("&Температура, °C:"), celsius);
    m_fields[Distance]->setToolTip(tr("Расстояние, на котором засекают время подъёма и падения капли"));
    m_fields[Viscosity]->setToolTip(tr("Пока её не изменить, вязкость воздуха следует за температурой (закон "
                                       "Сазерленда)"));
    m_slip = new QCheckBox(tr("&Поправка на скольжение"), this);
    m_slip->setChecked(true);
    form->addRow(QString(), m_slip);

    // The viscosity of air follows the temperature until the student types one.
    connect(m_fields[Viscosity], &QLineEdit::textEdited, this, [this] { m_viscosityTyped = true; });
    connect(m_fields[Temperature], &QLineEdit::textChanged, this, [this] {
        const std::optional<double> t = value(Temperature);
        if (!m_viscosityTyped && t && *t > -AirViscosity::CelsiusZero)
            m_fields[Viscosity]->setText(m_locale.toString(AirViscosity::at(*t + AirViscosity::CelsiusZero), 'g', 5));
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RealDropDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Установка, на которой измерена капля. Время её подъёмов и падений впишите затем в "
                                "журнал: «Добавить измерение» (Insert); подъём — с минусом в графе «Путь, м»."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<double> RealDropDialog::value(Field f) const
{
    const QString text = m_fields[f]->text().trimmed();
    bool ok = false;
    double v = m_locale.toDouble(text, &ok);
    if (!ok)
        v = QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

std::optional<JournalDrop> RealDropDialog::drop(int number, QString* fault) const
{
    const auto fail = [fault](const QString& why) {
        if (fault)
            *fault = why;
        return std::nullopt;
    };
    for (int f = 0; f < FieldCount; ++f)
        if (!value(static_cast<Field>(f)))
            return fail(tr("«%1» — не число.").arg(m_fields[f]->text()));
    const auto v = [this](Field f) { return *value(f); };
    if (!(v(PlateGap) > 0) || !(v(Distance) > 0) || v(Distance) > v(PlateGap))
        return fail(tr("Расстояние между пластинами должно быть больше нуля, путь капли — больше нуля и не больше "
                       "него."));
    if (v(Voltage) == 0)
        return fail(tr("Нулевое напряжение бессмысленно!"));
    if (!(v(AirDensity) > 0) || !(v(OilDensity) > v(AirDensity)))
        return fail(tr("Плотность воздуха должна быть больше нуля, а плотность масла — больше неё."));
    const float eta = static_cast<float>(v(Viscosity));
    if (!(eta > 0) || !std::isfinite(eta))
        return fail(tr("Вязкость воздуха должна быть больше нуля."));
    if (v(Pressure) < AirInputs::MinimumPressure || v(Pressure) > AirInputs::MaximumPressure)
        return fail(tr("Давление должно быть от 1000 до 200 000 Па!"));
    if (v(Temperature) < AirInputs::MinimumCelsius || v(Temperature) > AirInputs::MaximumCelsius)
        return fail(tr("Температура должна быть от −50 до 100 °C!"));

    SetupParameters setup;
    setup.DD = v(PlateGap);
    setup.Ux = v(Voltage);
    setup.r = v(OilDensity);
    setup.r0 = v(AirDensity);
    setup.eta = eta;
    // Its size is what the analysis finds from its fall.
    JournalDrop drop = JournalDrop::startedNow(number, setup, true);
    drop.pressure = v(Pressure);
    drop.temperature = v(Temperature) + AirViscosity::CelsiusZero;
    drop.slipCorrection = m_slip->isChecked();
    drop.fallDistance = v(Distance);
    return drop;
}

void RealDropDialog::accept()
{
    QString fault;
    if (drop(1, &fault)) {
        QDialog::accept();
        return;
    }
    m_messageBox.showMessage(windowTitle(), fault);
}

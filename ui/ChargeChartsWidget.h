// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChargePlots.h"

#include <QLocale>
#include <QWidget>

/// The analysis' two plots side by side (ChargePlots), each a widget named
/// for screen readers by its title.
class ChargeChartsWidget : public QWidget {
    Q_OBJECT

public:
    ChargeChartsWidget(const QLocale& locale, QWidget* parent = nullptr);

    void show(const ChargePlots::Data& data);
    const ChargePlots::Data& shown() const { return m_data; }
    QWidget* histogram() const { return m_histogram; }
    QWidget* byDrop() const { return m_byDrop; }

private:
    ChargePlots::Data m_data;
    QWidget* m_histogram;
    QWidget* m_byDrop;
};

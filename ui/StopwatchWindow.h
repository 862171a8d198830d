// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QTimer>
#include <QWidget>

class Laboratory;
class QAction;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

/// The laboratory's panel, a small tool window beside the main one: the
/// stopwatch, which shows the interval under way in the experiment's time to
/// a hundredth of a second (and, after a lap, the total since its start),
/// the drop, its field and charge state, the reticle's band in SI units,
/// the distance of a timing in bands, and the timings made (✓ once in the
/// journal); and the apparatus's controls: the voltage, turned in steps of
/// 1 % (10 % with Shift), the polarity and the balance; and the air's
/// pressure and temperature, with the slip correction. Its buttons are
/// commands whose keys work wherever the focus is.
class StopwatchWindow : public QWidget {
    Q_OBJECT

public:
    /// The commands, with their keys, owned by the main window.
    struct Commands {
        QAction* startStop;
        QAction* lap;
        QAction* reset;
        QAction* record;
        QAction* polarity;
        QAction* balance;
        QAction* voltageUp;
        QAction* voltageDown;
        QAction* voltageUpMore;
        QAction* voltageDownMore;
    };

    StopwatchWindow(Laboratory& laboratory, const Commands& commands, const QLocale& locale, QWidget* owner);

    QLabel* display() const { return m_display; }
    /// The time since the start across the laps, shown once there was a lap.
    QLabel* totalLabel() const { return m_total; }
    QPushButton* startStopButton() const { return m_startStop; }
    QPushButton* lapButton() const { return m_lap; }
    QPushButton* resetButton() const { return m_reset; }
    QPushButton* recordButton() const { return m_record; }
    QPushButton* polarityButton() const { return m_polarity; }
    QPushButton* balanceButton() const { return m_balance; }
    QDoubleSpinBox* voltageBox() const { return m_voltage; }
    QSpinBox* bandsBox() const { return m_bands; }
    QListWidget* timingsList() const { return m_timings; }
    QLabel* statusLabel() const { return m_status; }
    QLabel* bandLabel() const { return m_band; }
    QLineEdit* pressureEdit() const { return m_pressure; }
    QLineEdit* temperatureEdit() const { return m_temperature; }

    /// Puts `panel` at the top of the window's content.
    void addPanel(QWidget* panel);

    /// Shows the stopwatch and the laboratory as they are now.
    void refresh();

signals:
    /// The window was closed by its close box.
    void closed();
    /// The student set the voltage in its box, V.
    void voltageChosen(double volts);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString seconds(int hundredths) const;
    /// The display and the total as the stopwatch reads now.
    void showReading();
    void buildStopwatch(const Commands& commands);
    QWidget* buildApparatus(const Commands& commands);
    void refreshTimings();

    Laboratory& m_laboratory;
    QLocale m_locale;
    QLabel* m_display;
    QLabel* m_total;
    QLabel* m_status;
    QLabel* m_band;
    QPushButton* m_startStop;
    QPushButton* m_lap;
    QPushButton* m_reset;
    QPushButton* m_record;
    QPushButton* m_polarity;
    QPushButton* m_balance;
    QDoubleSpinBox* m_voltage;
    QSpinBox* m_bands;
    QLineEdit* m_pressure;
    QLineEdit* m_temperature;
    QLabel* m_bandsMetres;
    QListWidget* m_timings;
    QVBoxLayout* m_content; ///< the scrolled content's column
    QTimer m_tick;          ///< refreshes the display while the stopwatch runs
};

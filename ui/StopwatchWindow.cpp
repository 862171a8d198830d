// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StopwatchWindow.h"

#include "Fonts.h"
#include "Laboratory.h"

#include "Artwork.h"

#include <QAction>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {

/// The display's refresh while running: 25 frames a second shows every
/// hundredth's digit move without costing the run's pace anything.
constexpr int TickMs = 40;

/// A button that runs `action` and shows its key in its tooltip.
QPushButton* commandButton(QAction* action, QWidget* parent)
{
    auto* button = new QPushButton(action->text(), parent);
    button->setToolTip(action->toolTip());
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button, [button, action] {
        button->setText(action->text());
        button->setToolTip(action->toolTip());
        button->setEnabled(action->isEnabled());
    });
    return button;
}

/// The voltage, V: whole volts, turned as the keys turn it, by a hundredth
/// a step.
class VoltageBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;
    void stepBy(int steps) override { setValue(std::round(value() * std::pow(1.01, steps))); }
};

/// A scroll area as large as its content wants to be (a plain one stops at
/// a few hundred pixels), and no narrower than it: only the height scrolls.
class ContentScrollArea : public QScrollArea {
public:
    explicit ContentScrollArea(QWidget* parent) : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    QSize sizeHint() const override
    {
        return widget() ? widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth()) : QScrollArea::sizeHint();
    }
    QSize minimumSizeHint() const override
    {
        if (!widget())
            return QScrollArea::minimumSizeHint();
        // As wide as the content at its least, with room for the bar.
        const int bar = verticalScrollBar()->sizeHint().width();
        return {widget()->minimumSizeHint().width() + bar + 2 * frameWidth(), QScrollArea::minimumSizeHint().height()};
    }
};

} // namespace

void StopwatchWindow::addPanel(QWidget* panel)
{
    m_content->insertWidget(0, panel);
}

StopwatchWindow::StopwatchWindow(Laboratory& laboratory, const Commands& commands, const QLocale& locale,
                                 QWidget* owner)
    : QWidget(owner, Qt::Tool), m_laboratory(laboratory), m_locale(locale)
{
    setObjectName(QStringLiteral("stopwatchWindow"));
    setWindowTitle(tr("Секундомер"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::appIcon(32))));
    buildStopwatch(commands);

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_startStop, 0, 0);
    buttons->addWidget(m_lap, 0, 1);
    buttons->addWidget(m_reset, 1, 0);
    buttons->addWidget(m_record, 1, 1);
    auto* distance = new QHBoxLayout;
    auto* distanceLabel = new QLabel(tr("Путь:"), this);
    distanceLabel->setBuddy(m_bands);
    distance->addWidget(distanceLabel);
    distance->addWidget(m_bands);
    distance->addWidget(m_bandsMetres, 1);
    // The window's content scrolls where the screen is shorter than it.
    auto* content = new QWidget(this);
    auto* scroll = new ContentScrollArea(this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    m_content = layout;
    layout->addWidget(m_status);
    layout->addWidget(m_display);
    layout->addWidget(m_total);
    layout->addLayout(buttons);
    layout->addWidget(m_band);
    layout->addLayout(distance);
    layout->addWidget(buildApparatus(commands));
    layout->addWidget(m_timings, 1);
    scroll->setWidget(content);
    // The voltage's keys work in this window as in the main one.
    addActions({commands.voltageUp, commands.voltageDown, commands.voltageUpMore, commands.voltageDownMore});

    m_tick.setInterval(TickMs);
    connect(&m_tick, &QTimer::timeout, this, &StopwatchWindow::showReading);
    connect(&laboratory.stopwatch(), &Stopwatch::changed, this, &StopwatchWindow::refresh);
    connect(&laboratory, &Laboratory::changed, this, &StopwatchWindow::refresh);
    refresh();
}

void StopwatchWindow::buildStopwatch(const Commands& commands)
{
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_display = new QLabel(this);
    QFont big = Fonts::heading();
    big.setPixelSize(32);
    big.setStyleHint(QFont::Monospace);
    big.setFamily(QStringLiteral("Liberation Mono"));
    m_display->setFont(big);
    m_display->setAlignment(Qt::AlignCenter);
    m_display->setAutoFillBackground(true);
    QPalette palette = m_display->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 192));
    m_display->setPalette(palette);
    m_display->setFrameShape(QFrame::Panel);
    m_display->setFrameShadow(QFrame::Sunken);
    m_display->setMinimumWidth(190);
    m_display->setToolTip(tr("Промежуток: время опыта с пуска или с последней отсечки, секунды движения капли; "
                             "не зависит от замедления"));
    m_total = new QLabel(this);
    m_total->setAlignment(Qt::AlignCenter);
    m_total->setMinimumHeight(m_total->fontMetrics().height()); // the panel keeps its height without it
    m_total->setToolTip(tr("Время опыта с пуска секундомера: все промежутки с отсечками вместе"));

    m_startStop = commandButton(commands.startStop, this);
    m_lap = commandButton(commands.lap, this);
    m_reset = commandButton(commands.reset, this);
    m_record = commandButton(commands.record, this);

    m_band = new QLabel(this);
    m_band->setToolTip(tr("Расстояние между соседними линиями анимации: десятая часть промежутка D"));
    m_bands = new QSpinBox(this);
    m_bands->setRange(1, 10);
    m_bands->setValue(m_laboratory.bands());
    m_bands->setSuffix(tr(" дел."));
    m_bands->setToolTip(tr("Сколько делений проходит капля за один промежуток"));
    m_bands->setAccessibleName(tr("Путь за промежуток, делений"));
    m_bandsMetres = new QLabel(this);
    connect(m_bands, &QSpinBox::valueChanged, this, [this](int value) {
        m_laboratory.setBands(value);
        refresh();
    });

    m_timings = new QListWidget(this);
    m_timings->setAccessibleName(tr("Промежутки"));
    m_timings->setMinimumHeight(110);
}

QWidget* StopwatchWindow::buildApparatus(const Commands& commands)
{
    auto* group = new QGroupBox(tr("Установка"), this);
    m_voltage = new VoltageBox(group);
    m_voltage->setDecimals(0);
    m_voltage->setRange(-1e6, 1e6);
    m_voltage->setSuffix(tr(" В"));
    m_voltage->setKeyboardTracking(false);
    m_voltage->setToolTip(tr("Напряжение между пластинами, В: стрелки, PgUp и PgDown — на 1 %, с Shift — на 10 %"));
    m_voltage->setAccessibleName(tr("Напряжение между пластинами, вольт"));
    connect(m_voltage, &QDoubleSpinBox::valueChanged, this, [this](double volts) {
        if (volts != m_laboratory.voltage())
            emit voltageChosen(volts);
    });
    auto* voltageLabel = new QLabel(tr("&Напряжение:"), group);
    voltageLabel->setBuddy(m_voltage);
    m_polarity = commandButton(commands.polarity, group);
    m_balance = commandButton(commands.balance, group);
    auto* layout = new QGridLayout(group);
    layout->addWidget(voltageLabel, 0, 0);
    layout->addWidget(m_voltage, 0, 1);
    layout->addWidget(m_polarity, 0, 2);
    layout->addWidget(m_balance, 1, 0, 1, 3);

    // The air, for the slip correction (its option in the menu «Файл»).
    const auto airInput = [group, layout](int row, const QString& label, const QString& unit, const QString& tip,
                                          const QString& name) {
        auto* input = new QLineEdit(group);
        input->setToolTip(tip);
        input->setAccessibleName(name);
        auto* caption = new QLabel(label, group);
        caption->setBuddy(input);
        layout->addWidget(caption, row, 0);
        layout->addWidget(input, row, 1);
        layout->addWidget(new QLabel(unit, group), row, 2);
        return input;
    };
    m_pressure = airInput(2, tr("&Давление:"), tr("Па"),
                          tr("Давление воздуха, Па (от 1000 до 200 000): с поправкой на скольжение"),
                          tr("Давление воздуха, паскалей"));
    m_temperature = airInput(3, tr("&Температура:"), tr("°C"),
                             tr("Температура воздуха, °C (от −50 до 100): с поправкой на скольжение от неё зависит "
                                "вязкость воздуха"),
                             tr("Температура воздуха, градусов Цельсия"));
    return group;
}

QString StopwatchWindow::seconds(int hundredths) const
{
    return tr("%1 с").arg(m_locale.toString(hundredths / 100.0, 'f', 2));
}

void StopwatchWindow::showReading()
{
    const Stopwatch& stopwatch = m_laboratory.stopwatch();
    m_display->setText(seconds(stopwatch.reading()));
    // Only after a lap is the total more than the interval.
    m_total->setText(stopwatch.hasLaps() ? tr("Всего с пуска: %1").arg(seconds(stopwatch.total())) : QString());
}

void StopwatchWindow::refresh()
{
    const Stopwatch& stopwatch = m_laboratory.stopwatch();
    showReading();
    m_display->setAccessibleName(tr("Секундомер: %1").arg(m_display->text()));
    if (stopwatch.isRunning())
        m_tick.start();
    else
        m_tick.stop();

    const int drop = m_laboratory.currentDrop();
    QString status = drop == 0 ? tr("Нажмите «ПУСК»: капля ещё не запущена в лабораторном режиме.")
                               : tr("Капля %1 · %2 · облучений: %3")
                                     .arg(drop)
                                     .arg(FieldStates::name(m_laboratory.field()))
                                     .arg(m_laboratory.chargeState());
    if (drop != 0 && !m_laboratory.holding())
        status += tr(" · не удерживается");
    else if (drop != 0 && !m_laboratory.inSight())
        status += tr(" · капли не видно в микроскопе: засечь её время нельзя");
    m_status->setText(status);
    const double band = m_laboratory.bandLength();
    m_band->setText(tr("Цена деления: D/10 = %1 мм").arg(m_locale.toString(band * 1000, 'f', 3)));
    m_bandsMetres->setText(tr("= %1 мм").arg(m_locale.toString(band * 1000 * m_bands->value(), 'f', 3)));
    // The air matters only with the slip correction, and stays while a droplet is held.
    const bool air = m_laboratory.isActive() && m_laboratory.slipCorrection() && !m_laboratory.holding();
    m_pressure->setEnabled(air);
    m_temperature->setEnabled(air);
    if (m_voltage->value() != m_laboratory.voltage()) {
        const QSignalBlocker quiet(m_voltage);
        m_voltage->setValue(m_laboratory.voltage());
    }
    refreshTimings();
}

void StopwatchWindow::refreshTimings()
{
    m_timings->clear();
    // A timing's parts on as many lines as the list's width needs: a part
    // goes on the next line rather than being cut at the list's edge.
    const QFontMetricsF metrics(m_timings->font());
    const qreal room = m_timings->viewport()->width()
                       - 2 * (m_timings->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_timings) + 1);
    const QString separator = QStringLiteral(" · ");
    int number = 0;
    for (const Stopwatch::Timing& t : m_laboratory.stopwatch().timings()) {
        ++number;
        QStringList parts = {tr("%1) %2").arg(number).arg(seconds(t.hundredths)), tr("%1 дел.").arg(t.end.bands),
                             FieldStates::name(t.end.field), tr("облучений: %1").arg(t.end.chargeState)};
        if (t.start.field != t.end.field || t.start.chargeState != t.end.chargeState || t.start.voltage != t.end.voltage
            || t.start.drop != t.end.drop)
            parts << tr("состояние капли сменилось");
        if (t.recorded)
            parts << tr("✓ в журнале");
        QStringList lines = {parts.takeFirst()};
        for (const QString& part : parts) {
            if (metrics.horizontalAdvance(lines.back() + separator + part) <= room)
                lines.back() += separator + part;
            else
                lines << QStringLiteral("   ") + part;
        }
        m_timings->addItem(lines.join(u'\n'));
    }
    m_timings->scrollToBottom();
}

void StopwatchWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    refreshTimings(); // the lines broken anew for the list's width
}

void StopwatchWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MicroscopeWindow.h"

#include "MicroscopeView.h"
#include "Spray.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

MicroscopeWindow::MicroscopeWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_view(new MicroscopeView(this)), m_focus(new QSlider(Qt::Horizontal, this)),
      m_inverted(new QCheckBox(tr("Перевёрнутое изображение"), this)), m_chosen(new QLabel(this)),
      m_seen(new QListWidget(this))
{
    setWindowTitle(tr("Микроскоп"));
    const int range = static_cast<int>(std::lround(FocusRange / FocusStep));
    m_focus->setRange(-range, range);
    m_focus->setValue(0);
    m_focus->setAccessibleName(tr("Фокус"));
    m_focus->setToolTip(tr("Фокус микроскопа: Ctrl+↑ и Ctrl+↓ в окне микроскопа"));
    auto* focusLabel = new QLabel(tr("&Фокус:"), this);
    focusLabel->setBuddy(m_focus);
    m_chosen->setWordWrap(true);
    m_seen->setAccessibleName(tr("Капли в поле зрения"));
    m_seen->setFocusPolicy(Qt::StrongFocus);

    auto* focusRow = new QHBoxLayout;
    focusRow->addWidget(focusLabel);
    focusRow->addWidget(m_focus, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 3);
    layout->addLayout(focusRow);
    layout->addWidget(m_inverted);
    layout->addWidget(m_chosen);
    layout->addWidget(new QLabel(tr("В поле зрения:"), this));
    layout->addWidget(m_seen, 1);

    const auto knob = [this](const QKeySequence& key, int steps) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, steps] { turnFocus(steps); });
        addAction(action);
    };
    knob(QKeySequence(Qt::CTRL | Qt::Key_Up), 1);
    knob(QKeySequence(Qt::CTRL | Qt::Key_Down), -1);
    connect(m_focus, &QSlider::valueChanged, this, [this](int value) {
        if (m_spray)
            m_spray->setFocus(value * FocusStep);
        refresh();
    });
    connect(m_inverted, &QCheckBox::toggled, this, [this](bool on) {
        m_view->setInverted(on);
        refresh();
    });
    connect(m_view, &MicroscopeView::selectedChanged, this, &MicroscopeWindow::refresh);
    connect(m_seen, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_spray && row >= 0) {
            const std::vector<int> ids = m_spray->visibleByDistance();
            if (row < static_cast<int>(ids.size()))
                m_view->select(ids[static_cast<std::size_t>(row)]);
        }
    });
}

void MicroscopeWindow::setSpray(Spray* spray)
{
    m_spray = spray;
    m_view->setSpray(spray);
    if (spray)
        spray->setFocus(m_focus->value() * FocusStep);
    refresh();
}

void MicroscopeWindow::setVoltage(double Ux)
{
    m_view->setVoltage(Ux);
}

void MicroscopeWindow::turnFocus(int steps)
{
    m_focus->setValue(m_focus->value() + steps);
}

void MicroscopeWindow::tick()
{
    if (++m_ticks % ListTicks == 0)
        refresh();
    else
        m_view->update();
}

void MicroscopeWindow::refresh()
{
    m_view->update();
    const QStringList lines = m_view->seen();
    // The list's lines in place, the current row kept, so that a screen
    // reader does not start over at each step.
    const int row = m_seen->currentRow();
    const QSignalBlocker quiet(m_seen);
    while (m_seen->count() > lines.size())
        delete m_seen->takeItem(m_seen->count() - 1);
    for (int i = 0; i < lines.size(); ++i) {
        if (i < m_seen->count())
            m_seen->item(i)->setText(lines[i]);
        else
            m_seen->addItem(lines[i]);
    }
    m_seen->setCurrentRow(std::min(row, static_cast<int>(m_seen->count()) - 1));

    const int id = m_view->selected();
    const Spray::Droplet* droplet = m_spray && id ? m_spray->droplet(id) : nullptr;
    if (!droplet)
        m_chosen->setText(tr("Капля не выбрана: щёлкните по ней или выберите клавишей Tab."));
    else if (droplet->gone)
        m_chosen->setText(tr("Капля %1 ушла из поля зрения: она потеряна.").arg(id));
    else if (!m_spray->inView(*droplet))
        m_chosen->setText(tr("Капля %1 вне поля зрения: засечь её время нельзя.").arg(id));
    else if (!m_spray->visible(*droplet))
        m_chosen->setText(tr("Капля %1 не в фокусе: её не видно, и засечь её время нельзя. Подстройте фокус.").arg(id));
    else if (id == m_caught)
        m_chosen->setText(tr("Капля %1 поймана: она держится между пластинами.").arg(id));
    else
        m_chosen->setText(tr("Выбрана капля %1: «ПУСК» поймает её.").arg(id));
}

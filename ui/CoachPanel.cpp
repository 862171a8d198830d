// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CoachPanel.h"

#include "Announcer.h"
#include "ChargeUnits.h"

#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

/// A few times a second: the droplet crosses a band in a second or more.
constexpr int FollowMs = 250;

/// Decimals that give an uncertainty two significant digits.
int decimalsFor(double uncertainty)
{
    if (!(uncertainty > 0))
        return 3;
    return std::clamp(1 - static_cast<int>(std::floor(std::log10(uncertainty))), 0, 6);
}

} // namespace

CoachPanel::CoachPanel(Coach& coach, Announcer* announcer, const QLocale& locale, QWidget* parent)
    : QGroupBox(tr("Подсказка"), parent), m_coach(coach), m_announcer(announcer), m_locale(locale)
{
    setObjectName(QStringLiteral("coachPanel"));
    m_step = new QLabel(this);
    m_step->setWordWrap(true);
    m_step->setObjectName(QStringLiteral("coachStep"));
    m_step->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_step->setFocusPolicy(Qt::TabFocus);
    m_charge = new QLabel(this);
    m_charge->setWordWrap(true);
    m_charge->setObjectName(QStringLiteral("coachCharge"));
    m_charge->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_charge->setFocusPolicy(Qt::TabFocus);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_step);
    layout->addWidget(m_charge);
    m_follow.setInterval(FollowMs);
    connect(&m_follow, &QTimer::timeout, this, &CoachPanel::refresh);
}

void CoachPanel::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    m_follow.start();
    refresh();
}

void CoachPanel::hideEvent(QHideEvent* event)
{
    QGroupBox::hideEvent(event);
    m_follow.stop();
}

void CoachPanel::fitWindow()
{
    // Every line of the wrapped texts: their height at the width they have
    // is their least; the window grows to show them, within the screen's
    // free area (the rest scrolls), and never shrinks under the student's hand.
    for (QLabel* label : {m_step, m_charge})
        label->setMinimumHeight(label->heightForWidth(label->width() > 0 ? label->width() : 300));
    QWidget* top = window();
    if (top == this || !top->isVisible())
        return;
    const QScreen* screen = top->screen();
    const int room = screen ? screen->availableGeometry().bottom() - top->geometry().top() : top->height();
    const int wanted = std::min(top->sizeHint().height(), room);
    if (wanted > top->height())
        top->resize(top->width(), wanted);
}

QString CoachPanel::chargeText(const Coach::Reading& r) const
{
    QStringList lines;
    const double unit = ChargeUnits::ChargeUnit;
    if (r.drop == 0) {
        lines << tr("Заряд капли появится здесь, когда её отсчёты будут в журнале.");
    } else {
        QString counts = tr("Капля %1, облучений %2: падений %3, отсчётов в поле %4")
                             .arg(r.drop)
                             .arg(r.chargeState)
                             .arg(r.falls)
                             .arg(r.inField);
        if (r.spread)
            counts += tr(", их разброс %1 с").arg(m_locale.toString(*r.spread, 'f', 2));
        lines << counts + QLatin1Char('.');
    }
    if (r.charge) {
        const int decimals = decimalsFor(r.charge->u / unit);
        QString q = tr("q = (%1 ± %2)·10⁻¹⁹ Кл")
                        .arg(m_locale.toString(r.charge->q / unit, 'f', decimals),
                             m_locale.toString(r.charge->u / unit, 'f', decimals));
        if (r.multiple)
            q += tr(" ≈ %1 e").arg(m_locale.toString(*r.multiple, 'f', 2));
        lines << q;
    } else if (r.drop != 0) {
        lines << tr("q: нужны падения и отсчёты в поле в журнале.");
    }
    if (r.e) {
        const int decimals = decimalsFor(*r.expanded / 2 / unit);
        lines << tr("e по журналу: (%1 ± %2)·10⁻¹⁹ Кл (расширенная неопределённость), надёжных зарядов %3")
                     .arg(m_locale.toString(*r.e / unit, 'f', decimals),
                          m_locale.toString(*r.expanded / unit, 'f', decimals))
                     .arg(r.certain);
    }
    return lines.join(QLatin1Char('\n'));
}

void CoachPanel::refresh()
{
    const Coach::Advice advice = m_coach.advise();
    const QString charge = chargeText(m_coach.reading());
    if (m_step->text() != advice.text || m_charge->text() != charge) {
        m_step->setText(advice.text);
        m_charge->setText(charge);
        fitWindow();
    }
    // A new step is spoken wherever the focus is.
    if ((!m_announced || advice.step != m_shown) && m_announcer && isVisible())
        m_announcer->announce(tr("Подсказка: %1").arg(advice.text));
    m_announced = m_announced || isVisible();
    m_shown = advice.step;
}

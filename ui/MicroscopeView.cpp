// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MicroscopeView.h"

#include "MicroscopeScene.h"
#include "Reticle.h"
#include "Spray.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

/// Within this of a spot a click chooses it, px.
constexpr double Reach = 10;

} // namespace

MicroscopeView::MicroscopeView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Поле зрения микроскопа"));
}

void MicroscopeView::setSpray(const Spray* spray)
{
    m_spray = spray;
    m_selected = 0;
    update();
}

void MicroscopeView::setInverted(bool inverted)
{
    m_inverted = inverted;
    update();
}

void MicroscopeView::select(int id)
{
    if (id == m_selected)
        return;
    m_selected = id;
    update();
    emit selectedChanged(id);
}

QStringList MicroscopeView::seen() const
{
    QStringList lines;
    if (!m_spray)
        return lines;
    const QLocale locale;
    const double band = Reticle::bandLength(m_spray->plateGap());
    const double centre = m_spray->plateGap() / 2, radius = Spray::FieldRadius * m_spray->plateGap();
    for (const int id : m_spray->visibleByDistance()) {
        const Spray::Droplet& d = *m_spray->droplet(id);
        const double v = m_spray->velocity(d, m_voltage);
        // As the eye sees it: an inverting microscope shows a fall as a rise.
        const bool fallsInView = (v > 0) != m_inverted;
        const double seconds = band / std::max(std::fabs(v), 1e-12);
        const QString motion = seconds > 600 ? tr("почти стоит")
                               : fallsInView
                                   ? tr("падает на деление за %1 с").arg(locale.toString(seconds, 'f', 0))
                                   : tr("поднимается на деление за %1 с").arg(locale.toString(seconds, 'f', 0));
        const double off = std::hypot(d.X, d.Y - centre);
        const bool upper = (d.Y < centre) != m_inverted;
        const QString where = off < radius / 3 ? tr("у центра") : upper ? tr("вверху") : tr("внизу");
        lines << tr("капля %1: %2, %3").arg(id).arg(motion, where);
    }
    return lines;
}

bool MicroscopeView::event(QEvent* event)
{
    // Tab and Shift+Tab go through the droplets, not to the next widget.
    if (event->type() == QEvent::KeyPress && m_spray) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            step(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::event(event);
}

void MicroscopeView::step(bool forward)
{
    const std::vector<int> ids = m_spray->visibleByDistance();
    if (ids.empty())
        return;
    const auto at = std::find(ids.begin(), ids.end(), m_selected);
    if (at == ids.end()) {
        select(forward ? ids.front() : ids.back());
        return;
    }
    const auto index = static_cast<std::size_t>(at - ids.begin());
    select(ids[(index + (forward ? 1 : ids.size() - 1)) % ids.size()]);
}

void MicroscopeView::mousePressEvent(QMouseEvent* event)
{
    if (!m_spray)
        return;
    const MicroscopeScene scene(*m_spray, width(), height(), m_inverted);
    if (const int id = scene.spotAt(event->position().x(), event->position().y(), Reach))
        select(id);
}

void MicroscopeView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_spray)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const MicroscopeScene scene(*m_spray, width(), height(), m_inverted);
    const QPointF centre(scene.centreX(), scene.centreY());
    // The lit field of view, the reticle's lines and a scale of 1 mm.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(14, 16, 22));
    painter.drawEllipse(centre, scene.radius(), scene.radius());
    painter.setPen(QPen(QColor(80, 84, 96), 1));
    for (const MicroscopeScene::Line& line : scene.reticle())
        painter.drawLine(QPointF(line.x1, line.y), QPointF(line.x2, line.y));
    const double mm = 1e-3 * scene.scale();
    const QPointF bar(centre.x() - mm / 2, centre.y() + 0.85 * scene.radius());
    painter.drawLine(bar, bar + QPointF(mm, 0));
    painter.drawText(QRectF(bar.x() - 20, bar.y() - 18, mm + 40, 16), Qt::AlignCenter, tr("1 мм"));
    // Each droplet a point of light; the one chosen ringed.
    painter.setPen(Qt::NoPen);
    for (const MicroscopeScene::Spot& s : scene.spots()) {
        QRadialGradient light(QPointF(s.x, s.y), s.halo);
        const int core = static_cast<int>(255 * s.brightness);
        light.setColorAt(0, QColor(255, 255, 240, core));
        light.setColorAt(s.core / s.halo, QColor(255, 255, 230, core));
        light.setColorAt(std::min(1.0, s.core / s.halo + 0.05), QColor(200, 210, 255, core / 4));
        light.setColorAt(1, QColor(200, 210, 255, 0));
        painter.setBrush(light);
        painter.drawEllipse(QPointF(s.x, s.y), s.halo, s.halo);
        if (s.id == m_selected) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(120, 220, 140), 1));
            painter.drawEllipse(QPointF(s.x, s.y), s.halo + 4, s.halo + 4);
            painter.setPen(Qt::NoPen);
        }
    }
}

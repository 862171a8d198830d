// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MicroscopeView.h"

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
    if (!m_spray) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const MicroscopeScene scene(*m_spray, width(), height(), m_inverted);
    painter.drawPixmap(0, 0, background(scene));
    // Each droplet a point of light; the one chosen ringed.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const MicroscopeScene::Spot& s : scene.spots()) {
        const QPixmap& spot = light(s);
        const double half = spot.width() / spot.devicePixelRatio() / 2;
        painter.drawPixmap(QPointF(s.x - half, s.y - half), spot);
        if (s.id == m_selected) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(120, 220, 140), 1));
            painter.drawEllipse(QPointF(s.x, s.y), s.halo + 4, s.halo + 4);
        }
    }
}

const QPixmap& MicroscopeView::background(const MicroscopeScene& scene)
{
    const qreal ratio = devicePixelRatioF();
    const QString key =
        QStringLiteral("%1 %2 %3 %4 %5").arg(width()).arg(height()).arg(ratio).arg(m_spray->plateGap()).arg(m_inverted);
    if (key == m_backgroundKey)
        return m_background;
    m_backgroundKey = key;
    m_background = QPixmap(size() * ratio);
    m_background.setDevicePixelRatio(ratio);
    m_background.fill(Qt::black);
    QPainter painter(&m_background);
    painter.setRenderHint(QPainter::Antialiasing);
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
    painter.setFont(font());
    painter.drawText(QRectF(bar.x() - 20, bar.y() - 18, mm + 40, 16), Qt::AlignCenter, tr("1 мм"));
    return m_background;
}

const QPixmap& MicroscopeView::light(const MicroscopeScene::Spot& s)
{
    const auto halo = static_cast<quint64>(std::lround(2 * s.halo));
    const auto core = static_cast<quint64>(std::lround(2 * s.core));
    const auto level = static_cast<quint64>(std::lround(32 * std::clamp(s.brightness, 0.0, 1.0)));
    const quint64 key = (halo << 32) | (core << 8) | level;
    if (const auto found = m_lights.constFind(key); found != m_lights.constEnd())
        return *found;
    const double r = static_cast<double>(halo) / 2, c = static_cast<double>(core) / 2;
    const qreal ratio = devicePixelRatioF();
    const int side = static_cast<int>(std::ceil(2 * r)) + 2;
    QPixmap spot(QSize(side, side) * ratio);
    spot.setDevicePixelRatio(ratio);
    spot.fill(Qt::transparent);
    QPainter painter(&spot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(side / 2.0, side / 2.0);
    QRadialGradient light(centre, std::max(r, 0.5));
    const int bright = static_cast<int>(255 * static_cast<double>(level) / 32);
    const double edge = r > 0 ? std::min(1.0, c / r) : 1;
    light.setColorAt(0, QColor(255, 255, 240, bright));
    light.setColorAt(edge, QColor(255, 255, 230, bright));
    light.setColorAt(std::min(1.0, edge + 0.05), QColor(200, 210, 255, bright / 4));
    light.setColorAt(1, QColor(200, 210, 255, 0));
    painter.setBrush(light);
    painter.drawEllipse(centre, std::max(r, 0.5), std::max(r, 0.5));
    painter.end();
    // Looks are few (focus and size quantised); the cache stays small.
    if (m_lights.size() > 4096)
        m_lights.clear();
    return *m_lights.insert(key, spot);
}

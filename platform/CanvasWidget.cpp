// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanvasWidget.h"

#include <QEvent>
#include <QPaintEvent>

#include <cmath>

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    fitImage();
}

QPainter& CanvasWidget::painter()
{
    if (!m_painter) {
        // The geometry may have changed while the resize event is still
        // pending (a widget that is not shown gets it later): fit first.
        fitImage();
        m_painter.emplace(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing);
        m_painter->setRenderHint(QPainter::TextAntialiasing);
    }
    return *m_painter;
}

void CanvasWidget::touch(const QRectF& area)
{
    update(area.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void CanvasWidget::clear()
{
    fitImage();
    endPainting();
    m_image.fill(Qt::white);
    update();
}

QImage CanvasWidget::image()
{
    fitImage();
    endPainting();
    return m_image;
}

void CanvasWidget::endPainting()
{
    if (m_painter)
        m_painter.reset();
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    endPainting();
    QPainter p(this);
    const qreal ratio = m_image.devicePixelRatio();
    // Only what is out of date, rectangle by rectangle: a crosshair over the
    // surface asks for two thin strips, not for their bounding box. The image
    // covers the whole widget and is opaque.
    for (const QRect& r : event->region())
        inBands(r, [&](const QRect& band) {
            const QRectF source(band.x() * ratio, band.y() * ratio, band.width() * ratio, band.height() * ratio);
            p.drawImage(QRectF(band), m_image, source);
        });
    if (m_overlay) {
        p.setClipRegion(event->region());
        m_overlay(p);
    }
}

void CanvasWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitImage();
}

void CanvasWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ScreenChangeInternal)
        fitImage();
}

void CanvasWidget::fitImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio)), static_cast<int>(std::ceil(height() * ratio)));
    if (!m_image.isNull() && m_image.size() == pixels && m_image.devicePixelRatio() == ratio)
        return;
    endPainting();
    QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    if (!m_image.isNull()) {
        QPainter p(&image);
        p.drawImage(QPointF(0, 0), m_image);
    }
    m_image = std::move(image);
    update();
}

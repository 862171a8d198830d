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
    const QRect r = event->rect();
    const qreal ratio = m_image.devicePixelRatio();
    const QRectF source(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
    p.fillRect(r, Qt::white);
    p.drawImage(QRectF(r), m_image, source);
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

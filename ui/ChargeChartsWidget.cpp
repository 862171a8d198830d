// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChargeChartsWidget.h"

#include <QHBoxLayout>
#include <QPainter>

#include <functional>

namespace {

/// A widget that paints one plot at its whole size.
class PlotWidget : public QWidget {
public:
    using Paint = std::function<void(QPainter&, const QRectF&)>;

    PlotWidget(QWidget* parent, const QString& title, Paint paint) : QWidget(parent), m_paint(std::move(paint))
    {
        setMinimumSize(300, 240);
        setAccessibleName(title);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        m_paint(painter, QRectF(rect()));
    }

private:
    Paint m_paint;
};

} // namespace

ChargeChartsWidget::ChargeChartsWidget(const QLocale& locale, QWidget* parent) : QWidget(parent)
{
    m_histogram = new PlotWidget(this, ChargePlots::histogramTitle(), [this, locale](QPainter& p, const QRectF& f) {
        ChargePlots::paintHistogram(p, f, m_data, locale);
    });
    m_byDrop = new PlotWidget(this, ChargePlots::byDropTitle(), [this, locale](QPainter& p, const QRectF& f) {
        ChargePlots::paintByDrop(p, f, m_data, locale);
    });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_histogram);
    layout->addWidget(m_byDrop);
}

void ChargeChartsWidget::show(const ChargePlots::Data& data)
{
    m_data = data;
    m_histogram->update();
    m_byDrop->update();
}

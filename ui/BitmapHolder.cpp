#include "BitmapHolder.h"

#include <QPainter>

BitmapHolder::BitmapHolder(QIcon bitmap, QWidget* parent) : QWidget(parent), m_bitmap(std::move(bitmap))
{
    setFixedSize(Size, Size);
}

void BitmapHolder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_bitmap.paint(&painter, rect());
}

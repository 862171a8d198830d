#pragma once

#include <QIcon>
#include <QWidget>

/// A 32 × 32 picture box that holds a menu picture until start-up hands it to
/// its menu item; it draws the picture only if it is ever shown.
class BitmapHolder : public QWidget {
    Q_OBJECT

public:
    static constexpr int Size = 32;

    BitmapHolder(QIcon bitmap, QWidget* parent);
    const QIcon& bitmap() const { return m_bitmap; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_bitmap;
};

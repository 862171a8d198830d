// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "CanvasWidget.h"
#include "QtCanvas.h"
#include "QtSprite.h"

#include "Fonts.h"

#include <QtTest>

/// The real drawing surface: coordinate systems in pixels, persistence, clearing, sprites.
class tst_canvas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void lineLandsOnPixelRow_data();
    void lineLandsOnPixelRow();
    void drawingSurvivesHideAndShow();
    void clsClears();
    void grownSurfaceKeepsDrawing();
    void pointOfWidthOne();
    void spriteKeepsPixelSizeAndUserPosition();
    void markerCentredAfterAxes();
    void printAnchorsUpperLeft();
    void crispAtDoubleDensity();
};

namespace {

QImage grab(CanvasWidget& widget)
{
    return widget.image().convertToFormat(QImage::Format_RGB32);
}

/// Rows of column x that are not white.
QList<int> paintedRows(const QImage& image, int x)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) != Qt::white)
            rows << y;
    return rows;
}

} // namespace

void tst_canvas::lineLandsOnPixelRow_data()
{
    QTest::addColumn<float>("y1");
    QTest::addColumn<float>("y2");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("row");
    // A 200 × 100 px surface; user height 10 either way.
    QTest::newRow("downward, 2.5 of 10") << 0.0f << 10.0f << 2.5f << 25;
    QTest::newRow("upward, 2.5 of 10") << 10.0f << 0.0f << 2.5f << 75;
    QTest::newRow("downward, top edge") << 0.0f << 10.0f << 0.0f << 0;
    QTest::newRow("upward, just above bottom") << 10.0f << 0.0f << 0.05f << 99;
    QTest::newRow("offset range upward") << 1.1f << -0.33f << 0.0f << 76;
}

void tst_canvas::lineLandsOnPixelRow()
{
    QFETCH(float, y1);
    QFETCH(float, y2);
    QFETCH(float, y);
    QFETCH(int, row);
    CanvasWidget widget;
    widget.resize(200, 100);
    QtCanvas canvas(&widget, Fonts::smallText(), Colors::Black);
    canvas.setScale(0, y1, 20, y2);
    canvas.setDrawWidth(1);
    canvas.drawLine(0, y, 20, y, Colors::Red);
    const QImage image = grab(widget);
    QCOMPARE(paintedRows(image, 100), QList<int>{row});
    QCOMPARE(image.pixelColor(100, row), QColor(Qt::red));
    // Width 3: the row and one on either side (clipped at the edges).
    canvas.clear();
    canvas.setDrawWidth(3);
    canvas.drawLine(0, y, 20, y, Colors::Red);
    const QList<int> thick = paintedRows(grab(widget), 100);
    QVERIFY(thick.contains(row));
    QVERIFY(thick.size() >= 2 && thick.size() <= 3);
    QVERIFY(thick.front() >= row - 1 && thick.back() <= row + 1);
}

void tst_canvas::drawingSurvivesHideAndShow()
{
    WindowFixture w;
    w.show();
    auto* plot = w.widgets().coordinatePlot;
    Canvas& canvas = *w.form->controls().coordinatePlot;
    canvas.setScale(0, 1, 1, 0);
    canvas.setDrawWidth(3);
    canvas.drawLine(0, 0, 1, 1, Colors::Red);
    const QImage before = plot->image();
    QVERIFY(!plot->isVisible());
    plot->show();
    QCoreApplication::processEvents();
    plot->hide();
    plot->show();
    QCOMPARE(plot->image(), before);
    // What the screen shows is the kept drawing.
    const QImage shown = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint middle(plot->width() / 2, plot->height() / 2);
    QCOMPARE(shown.pixelColor(middle), QColor(Qt::red));
}

void tst_canvas::clsClears()
{
    CanvasWidget widget;
    widget.resize(50, 50);
    QtCanvas canvas(&widget, Fonts::smallText(), Colors::Black);
    canvas.setDrawWidth(5);
    canvas.drawLine(0, 0, 50, 50, Colors::Blue);
    canvas.setCurrentX(7);
    canvas.clear();
    const QImage image = grab(widget);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
    QCOMPARE(canvas.currentX(), 0.0f);
    QCOMPARE(canvas.currentY(), 0.0f);
}

void tst_canvas::grownSurfaceKeepsDrawing()
{
    CanvasWidget widget;
    widget.resize(40, 40);
    QtCanvas canvas(&widget, Fonts::smallText(), Colors::Black);
    canvas.drawPoint(10, 10, Colors::Red);
    widget.resize(80, 60);
    const QImage image = grab(widget);
    QCOMPARE(image.size(), QSize(80, 60) * widget.devicePixelRatioF());
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::red));
    QCOMPARE(image.pixelColor(70, 50), QColor(Qt::white));
}

void tst_canvas::pointOfWidthOne()
{
    CanvasWidget widget;
    widget.resize(100, 100);
    QtCanvas canvas(&widget, Fonts::smallText(), Colors::Black);
    canvas.setScale(0, 0, 10, 10);
    canvas.drawPoint(3.05f, 4.05f);
    const QImage image = grab(widget);
    int painted = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            painted += image.pixelColor(x, y) != Qt::white;
    QCOMPARE(painted, 1);
    QCOMPARE(image.pixelColor(30, 40), QColor(Qt::black));
    QCOMPARE(canvas.currentX(), 3.05f);
}

void tst_canvas::spriteKeepsPixelSizeAndUserPosition()
{
    CanvasWidget widget;
    widget.resize(200, 100);
    QtCanvas canvas(&widget, Fonts::smallText(), Colors::Black);
    canvas.setScale(0, 0, 2, 1);
    QtSprite sprite(&widget, canvas, QSize(10, 10), [](qreal) { return QImage(10, 10, QImage::Format_ARGB32); });
    QCOMPARE(sprite.userWidth(), 0.1);
    QCOMPARE(sprite.userHeight(), 0.1);
    sprite.setLeft(1.0 - sprite.userWidth() / 2);
    sprite.setTop(0.5 - sprite.userHeight() / 2);
    QCOMPARE(sprite.pos(), QPoint(95, 45));
    QCOMPARE(sprite.left(), 0.95);
    // Rescaling the canvas does not move it; its user position follows.
    canvas.setScale(0, 0, 1, 1);
    QCOMPARE(sprite.pos(), QPoint(95, 45));
    QCOMPARE(sprite.left(), 0.475);
    QCOMPARE(sprite.userWidth(), 0.05);
}

void tst_canvas::markerCentredAfterAxes()
{
    WindowFixture w;
    w.show();
    auto* marker = w.widgets().dropletMarker;
    auto* view = w.widgets().animationView;
    // X = viewWidth / 2: the middle of the view; coordinate 0: the top edge.
    // (The view's coordinate system is single precision: within a millionth of a pixel.)
    QVERIFY(std::abs(marker->pixelPosition().x() + 5 - view->width() / 2.0) < 1e-5);
    QVERIFY(std::abs(marker->pixelPosition().y() + 5) < 1e-5);
    QCOMPARE(marker->pos(), QPoint(view->width() / 2 - 5, -5));
    QVERIFY(marker->isVisibleTo(view));
    // The eleven rules are on the view, the first on the top row.
    const QImage image = view->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.pixelColor(view->width() - 2, 0), QColor(128, 255, 128));
}

void tst_canvas::printAnchorsUpperLeft()
{
    CanvasWidget widget;
    widget.resize(200, 100);
    QtCanvas canvas(&widget, Fonts::smallText(), Colors::Black);
    canvas.setScale(0, 10, 20, 0); // upward
    canvas.setCurrentX(5);
    canvas.setCurrentY(5);
    canvas.printText(QStringLiteral("Ж"));
    const QImage image = grab(widget);
    int top = 100, left = 200;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (image.pixelColor(x, y) != Qt::white) {
                top = std::min(top, y);
                left = std::min(left, x);
            }
    // The glyph starts just right of and below the anchor (50, 50).
    QVERIFY(left >= 49 && left <= 53);
    QVERIFY(top >= 50 && top <= 56);
    // Next line: back to the left edge, one line lower (downward on the screen).
    QCOMPARE(canvas.currentX(), 0.0f);
    QVERIFY(canvas.currentY() < 5);
}

void tst_canvas::crispAtDoubleDensity()
{
    // Run with QT_SCALE_FACTOR=2 (a second registration of this test).
    CanvasWidget widget;
    widget.resize(100, 50);
    if (widget.devicePixelRatioF() != 2)
        QSKIP("needs a screen of device pixel ratio 2");
    QtCanvas canvas(&widget, Fonts::smallText(), Colors::Black);
    canvas.setScale(0, 0, 10, 5);
    canvas.drawLine(0, 2.5f, 10, 2.5f, Colors::Red);
    const QImage image = widget.image().convertToFormat(QImage::Format_RGB32);
    // Twice the pixels; a one-pixel line covers exactly two device rows, fully.
    QCOMPARE(image.size(), QSize(200, 100));
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(100, y) != Qt::white) {
            rows << y;
            QCOMPARE(image.pixelColor(100, y), QColor(Qt::red));
        }
    QCOMPARE(rows, (QList<int>{50, 51}));
}

QTEST_MAIN(tst_canvas)
#include "tst_canvas.moc"

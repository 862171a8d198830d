// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the pictures drawn by Artwork: sizes at every device pixel ratio,
// transparency where the program relies on it, the exact droplet colours,
// and the icon files written by oildrop-icons.

#include "Artwork.h"

#include <QColor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

/// Every picture by a name usable as a data tag.
QImage render(const QString& name, qreal ratio)
{
    using M = Artwork::MenuPicture;
    static const QHash<QString, M> menu{{"Table", M::Table},
                                        {"Book", M::Book},
                                        {"HistoricalPortrait", M::HistoricalPortrait},
                                        {"PowerSwitch", M::PowerSwitch},
                                        {"Booklet", M::Booklet},
                                        {"Gear", M::Gear},
                                        {"AuthorPortrait", M::AuthorPortrait},
                                        {"QuestionMark", M::QuestionMark}};
    if (menu.contains(name))
        return Artwork::menuPicture(menu.value(name), ratio);
    if (name == "beam")
        return Artwork::beam(ratio);
    if (name == "portrait")
        return Artwork::portrait(ratio);
    if (name == "droplet")
        return Artwork::droplet(ratio);
    qFatal("unknown picture %s", qPrintable(name));
}

const QStringList menuNames{"Table",   "Book", "HistoricalPortrait", "PowerSwitch",
                            "Booklet", "Gear", "AuthorPortrait",     "QuestionMark"};

QSize logicalSize(const QString& name)
{
    if (name == "beam")
        return {Artwork::BeamWidth, Artwork::BeamHeight};
    if (name == "portrait")
        return {Artwork::PortraitWidth, Artwork::PortraitHeight};
    if (name == "droplet")
        return {Artwork::DropletSize, Artwork::DropletSize};
    return {Artwork::MenuPictureSize, Artwork::MenuPictureSize};
}

QStringList allNames()
{
    return menuNames + QStringList{"beam", "portrait", "droplet"};
}

int distinctColours(const QImage& image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

/// Share of the image covered by paint, 0..1.
double coverage(const QImage& image)
{
    double sum = 0.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y)) / 255.0;
    return sum / (image.width() * image.height());
}

void addRatioRows()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
    QTest::newRow("3x") << 3.0;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void sizeAndRatio_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("ratio");
        for (const QString& name : allNames())
            for (const qreal ratio : {1.0, 2.0, 1.5})
                QTest::addRow("%s@%gx", qPrintable(name), ratio) << name << ratio;
    }
    void sizeAndRatio()
    {
        QFETCH(QString, name);
        QFETCH(qreal, ratio);
        const QImage image = render(name, ratio);
        const QSize logical = logicalSize(name);
        QCOMPARE(image.size(), QSize(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio)));
        QCOMPARE(image.devicePixelRatio(), ratio);
        QVERIFY(image.hasAlphaChannel());
    }

    // A broken ratio must not produce a null or absurd image.
    void invalidRatioFallsBackToOne_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative") << -2.0;
        QTest::newRow("nan") << std::numeric_limits<qreal>::quiet_NaN();
        QTest::newRow("infinity") << std::numeric_limits<qreal>::infinity();
    }
    void invalidRatioFallsBackToOne()
    {
        QFETCH(qreal, ratio);
        for (const QString& name : allNames()) {
            const QImage image = render(name, ratio);
            QCOMPARE(image.size(), logicalSize(name));
            QCOMPARE(image.devicePixelRatio(), 1.0);
        }
    }

    // At 2x the same picture must come out, only sharper: averaging each 2 x 2
    // block gives back nearly the 1x image. Drawing in physical instead of
    // logical pixels, or forgetting the ratio, fails this.
    void sameDrawingAtEveryRatio_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : allNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void sameDrawingAtEveryRatio()
    {
        QFETCH(QString, name);
        const QImage single = render(name, 1.0);
        const QImage twice = render(name, 2.0);
        double difference = 0.0;
        for (int y = 0; y < single.height(); ++y) {
            for (int x = 0; x < single.width(); ++x) {
                const QRgb block[4] = {twice.pixel(2 * x, 2 * y), twice.pixel(2 * x + 1, 2 * y),
                                       twice.pixel(2 * x, 2 * y + 1), twice.pixel(2 * x + 1, 2 * y + 1)};
                const QRgb one = single.pixel(x, y);
                const auto channel = [&](int (*get)(QRgb)) {
                    const double mean = (get(block[0]) + get(block[1]) + get(block[2]) + get(block[3])) / 4.0;
                    return std::abs(mean - get(one));
                };
                difference += channel(qRed) + channel(qGreen) + channel(qBlue) + channel(qAlpha);
            }
        }
        const double perChannel = difference / (4.0 * single.width() * single.height());
        QVERIFY2(perChannel < 6.0, qPrintable(QString("mean difference %1 of 255").arg(perChannel)));
    }

    void menuPictureIsNotBlank_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("minColours");
        for (const QString& name : menuNames)
            for (const qreal ratio : {1.0, 2.0})
                QTest::addRow("%s@%gx", qPrintable(name), ratio) << name << ratio << (name == "Table" ? 2 : 5);
    }
    void menuPictureIsNotBlank()
    {
        QFETCH(QString, name);
        QFETCH(qreal, ratio);
        QFETCH(int, minColours);
        const QImage image = render(name, ratio);
        QVERIFY2(distinctColours(image) >= minColours, qPrintable(QString::number(distinctColours(image))));
        // A picture, not a speck and not a filled square (the Table is a sheet).
        const double covered = coverage(image);
        QVERIFY2(covered > 0.1, qPrintable(QString::number(covered)));
        if (name != "Table")
            QVERIFY2(covered < 0.97, qPrintable(QString::number(covered)));
    }

    void tableIsMonochrome_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void tableIsMonochrome()
    {
        QFETCH(qreal, ratio);
        const QImage image = Artwork::menuPicture(Artwork::MenuPicture::Table, ratio);
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                QVERIFY2(qAlpha(c) == 255 && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c),
                         qPrintable(QString("pixel %1,%2 is %3").arg(x).arg(y).arg(c, 8, 16)));
                ink += qRed(c) < 128 ? 1 : 0;
            }
        }
        const double inked = double(ink) / (image.width() * image.height());
        QVERIFY2(inked > 0.1 && inked < 0.6, qPrintable(QString::number(inked)));
    }

    // The program puts the beam's lower right corner on the droplet, so the
    // arrow must end exactly there, with nothing painted elsewhere at the edges.
    void beamPointsAtLowerRightCorner_data() { addRatioRows(); }
    void beamPointsAtLowerRightCorner()
    {
        QFETCH(qreal, ratio);
        const QImage image = Artwork::beam(ratio);
        const int w = image.width(), h = image.height();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(w - 1, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(0, h - 1)), 0);

        // The painted pixel farthest down and to the right is the tip.
        QPoint tip(-1, -1);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (qAlpha(image.pixel(x, y)) >= 64 && x + y > tip.x() + tip.y())
                    tip = QPoint(x, y);
        QVERIFY2((QPoint(w - 1, h - 1) - tip).manhattanLength() <= qCeil(2 * ratio),
                 qPrintable(QString("tip at %1,%2").arg(tip.x()).arg(tip.y())));
    }

    void beamIsOrangeWithYellowRim()
    {
        const QImage image = Artwork::beam(2.0);
        int orange = 0, yellow = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = QColor::fromRgba(image.pixel(x, y));
                if (c.alpha() < 255 || c.hsvSaturation() < 200)
                    continue;
                if (c.hsvHue() >= 20 && c.hsvHue() <= 40)
                    ++orange;
                else if (c.hsvHue() >= 48 && c.hsvHue() <= 62)
                    ++yellow;
            }
        }
        QVERIFY2(orange > 150, qPrintable(QString::number(orange)));
        QVERIFY2(yellow > 100, qPrintable(QString::number(yellow)));
        QVERIFY(orange > yellow);
    }

    void dropletColours_data() { addRatioRows(); }
    void dropletColours()
    {
        QFETCH(qreal, ratio);
        const QImage image = Artwork::droplet(ratio);
        const int n = image.width();
        QCOMPARE(image.pixel(n / 2, n / 2), qRgba(0, 0, 255, 255));
        QCOMPARE(image.pixel(n / 2 - 1, n / 2 - 1), qRgba(0, 0, 255, 255));
        for (const QPoint corner : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);

        // The rim at the top is the darker outline blue.
        const QColor rim = QColor::fromRgba(qUnpremultiply(image.pixel(n / 2, 0)));
        QVERIFY2(rim.alpha() > 100, qPrintable(QString::number(rim.alpha())));
        QCOMPARE(rim.red(), 0);
        QCOMPARE(rim.green(), 0);
        QVERIFY2(qAbs(rim.blue() - 192) <= 12, qPrintable(QString::number(rim.blue())));

        // A round disc filling the box, with soft edges.
        QVERIFY(qAbs(coverage(image) - M_PI / 4.0) < 0.05);
        bool soft = false;
        for (int x = 0; x < n && !soft; ++x)
            for (int y = 0; y < n && !soft; ++y)
                soft = qAlpha(image.pixel(x, y)) > 0 && qAlpha(image.pixel(x, y)) < 255;
        QVERIFY(soft);
    }

    void portraitFillsItsFrame()
    {
        const QImage image = Artwork::portrait(1.0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(qAlpha(image.pixel(x, y)) == 255, qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        // A soft photograph, not a few flat areas.
        QVERIFY(distinctColours(image) > 500);
    }

    void appIcon_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }
    void appIcon()
    {
        QFETCH(int, size);
        const QImage icon = Artwork::appIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.devicePixelRatio(), 1.0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        QVERIFY(distinctColours(icon) >= 8);
    }

    void appIconOfNoSizeIsNull()
    {
        QVERIFY(Artwork::appIcon(0).isNull());
        QVERIFY(Artwork::appIcon(-16).isNull());
    }

    // What the build installs: one file per size, drawn for that size.
    void exportedIcons_data() { appIcon_data(); }
    void exportedIcons()
    {
        QFETCH(int, size);
        const QString file = QStringLiteral(OILDROP_ICON_DIR "/hicolor/%1x%1/apps/oildrop.png").arg(size);
        QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        const QImage loaded(file);
        QVERIFY(!loaded.isNull());
        QCOMPARE(loaded.size(), QSize(size, size));
        QCOMPARE(loaded.convertToFormat(QImage::Format_ARGB32),
                 Artwork::appIcon(size).convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"

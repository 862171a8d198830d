// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// oildrop-icons: writes the application icon into an icon theme folder.
//
//   oildrop-icons <output dir> [size ...]
//   oildrop-icons --ico <file.ico> [size ...]
//
// For every size N (pixels; 16 22 24 32 48 64 128 256 when none are given)
// writes <output dir>/hicolor/<N>x<N>/apps/oildrop.png, each drawn for its
// own size rather than scaled from a bigger one. With --ico, the sizes go
// into one Windows icon file instead (PNG images in an ICO directory).

#include "Artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

/// The icon's `sizes` as one .ico file: a directory of PNG images (sizes up to 256).
bool writeIco(const QString& path, const QList<int>& sizes)
{
    QByteArray directory, images;
    appendLittleEndian(directory, 0, 2); // reserved
    appendLittleEndian(directory, 1, 2); // an icon
    appendLittleEndian(directory, static_cast<quint32>(sizes.size()), 2);
    const quint32 firstImage = 6 + 16 * static_cast<quint32>(sizes.size());
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!Artwork::appIcon(size).save(&buffer, "PNG"))
            return false;
        directory.append(static_cast<char>(size >= 256 ? 0 : size)); // 0 stands for 256
        directory.append(static_cast<char>(size >= 256 ? 0 : size));
        appendLittleEndian(directory, 0, 2);  // no palette, reserved
        appendLittleEndian(directory, 1, 2);  // colour planes
        appendLittleEndian(directory, 32, 2); // bits per pixel
        appendLittleEndian(directory, static_cast<quint32>(png.size()), 4);
        appendLittleEndian(directory, firstImage + static_cast<quint32>(images.size()), 4);
        images.append(png);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(directory + images) == directory.size() + images.size();
}

} // namespace

int main(int argc, char* argv[])
{
    // Runs during the build, where there may be no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: oildrop-icons <output dir> [size ...]\n");
        return 2;
    }
    const bool ico = args.first() == QLatin1String("--ico");
    if (ico)
        args.removeFirst();
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: oildrop-icons --ico <file.ico> [size ...]\n");
        return 2;
    }
    const QString target = args.takeFirst();
    const QDir root(target);
    if (args.isEmpty())
        args = QStringList{"16", "22", "24", "32", "48", "64", "128", "256"};

    QList<int> sizes;

    for (const QString& arg : args) {
        bool ok = false;
        const int size = arg.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "oildrop-icons: bad icon size '%s'\n", qPrintable(arg));
            return 2;
        }
        if (ico) {
            sizes.append(size);
            continue;
        }
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString file = root.filePath(folder + QStringLiteral("/oildrop.png"));
        if (!root.mkpath(folder) || !Artwork::appIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "oildrop-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    if (ico && !writeIco(target, sizes)) {
        std::fprintf(stderr, "oildrop-icons: cannot write %s\n", qPrintable(target));
        return 1;
    }
    return 0;
}

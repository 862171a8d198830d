// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// oildrop-icons: writes the application icon into an icon theme folder.
//
//   oildrop-icons <output dir> [size ...]
//
// For every size N (pixels; 16 22 24 32 48 64 128 256 when none are given)
// writes <output dir>/hicolor/<N>x<N>/apps/oildrop.png, each drawn for its
// own size rather than scaled from a bigger one.

#include "Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdio>

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
    const QDir root(args.takeFirst());
    if (args.isEmpty())
        args = QStringList{"16", "22", "24", "32", "48", "64", "128", "256"};

    for (const QString& arg : args) {
        bool ok = false;
        const int size = arg.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "oildrop-icons: bad icon size '%s'\n", qPrintable(arg));
            return 2;
        }
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString file = root.filePath(folder + QStringLiteral("/oildrop.png"));
        if (!root.mkpath(folder) || !Artwork::appIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "oildrop-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's icon into a freedesktop hicolor tree at build time, from the same artwork code the
// window uses, so the installed icons and the window's own never differ.
//   zephra_render_icons DIR NAME SIZE...   writes DIR/SIZExSIZE/apps/NAME.png for each SIZE

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "qt/artwork.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: zephra_render_icons DIR NAME SIZE...\n", stderr);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int k = 3; k < argc; ++k) {
        const int size = QString::fromLocal8Bit(argv[k]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "zephra_render_icons: not a size: %s\n", argv[k]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !zephra::qt::applicationIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "zephra_render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Zephra: a binary pair of bodies under Newtonian gravity, on the desktop.

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "qt/artwork.h"
#include "qt/desktop_app.h"
#include "qt/qt_platform.h"

namespace {

constexpr const char* kUsage =
    "usage: zephra [--charts] [FILE.zephra]\n"
    "  --charts    open the charts window (F2) at start-up\n"
    "  FILE        open a scenario file or a saved run at start-up (Ctrl+O)\n"
    "  --help, -h  print this text and exit\n";

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt has taken its own options (-platform and the like); what is left is the program's.
    bool charts = false;
    QString file;
    for (const QString& arg : QApplication::arguments().mid(1)) {
        if (!arg.startsWith(QLatin1Char('-')) && file.isEmpty()) {
            file = arg;
        } else if (arg == QLatin1String("--charts")) {
            charts = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "zephra: unknown option %s\n%s", qPrintable(arg), kUsage);
            return 2;
        }
    }
    // The windows carry no title text; the window system still names them after the program (task bar).
    QApplication::setApplicationName(QStringLiteral("Zephra"));
    // The menu entry this window belongs to (its icon and name in docks and on Wayland), and the same icon.
    QApplication::setDesktopFileName(QStringLiteral(ZEPHRA_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(zephra::qt::applicationIcon(256))));
    zephra::qt::QtPlatform platform;
    zephra::qt::DesktopApp app(platform);
    platform.setDialogParent(&app.mainWindow());
    app.show();
    if (!file.isEmpty()) app.openRunFrom(file);
    if (charts) app.chartsWindow().open();
    return QApplication::exec();
}

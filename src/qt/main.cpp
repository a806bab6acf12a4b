// Zephra: a binary pair of bodies under Newtonian gravity, on the desktop.

#include <QApplication>

#include "qt/desktop_app.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The windows carry no title text; the window system still names them after the program (task bar).
    QApplication::setApplicationName(QStringLiteral("Zephra"));
    zephra::qt::QtPlatform platform;
    zephra::qt::DesktopApp app(platform);
    platform.setDialogParent(&app.mainWindow());
    app.show();
    return QApplication::exec();
}

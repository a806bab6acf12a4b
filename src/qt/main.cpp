// Zephra: a binary pair of bodies under Newtonian gravity, on the desktop.

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "qt/artwork.h"
#include "qt/desktop_app.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The windows carry no title text; the window system still names them after the program (task bar).
    QApplication::setApplicationName(QStringLiteral("Zephra"));
    // The menu entry this window belongs to (its icon and name in docks and on Wayland), and the same icon.
    QApplication::setDesktopFileName(QStringLiteral(ZEPHRA_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(zephra::qt::applicationIcon(256))));
    zephra::qt::QtPlatform platform;
    zephra::qt::DesktopApp app(platform);
    platform.setDialogParent(&app.mainWindow());
    app.show();
    return QApplication::exec();
}

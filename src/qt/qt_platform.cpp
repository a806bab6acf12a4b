// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "qt/qt_text.h"
#include "toolkit/data_folder.h"

namespace zephra::qt {

void QtPlatform::messageBox(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), QMessageBox::Ok, dialogParent_);
    box.exec();
}

void QtPlatform::openUrl(std::string_view url) {
    // A missing or failing browser is not the simulator's business: the result is ignored.
    QDesktopServices::openUrl(QUrl(toQString(url)));
}

std::string QtPlatform::dataFolder() const {
    return toolkit::dataFolderOfThisUser(QCoreApplication::applicationDirPath().toStdString());
}

void QtPlatform::quit() {
    QApplication::quit();
}

}  // namespace zephra::qt

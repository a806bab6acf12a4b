// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <string_view>

namespace zephra::qt {

// The program's pictures, painted in code at the sizes the windows expect.
QPixmap moonPicture();         // the start picture, 650 x 440: a moon over a starfield
QPixmap sunPicture();          // 20 x 20
QPixmap farewellBackground();  // 445 x 625
QPixmap starshipPicture();     // 445 x 625
// The program's icon, size x size with a transparent corner: a binary pair on its orbit. An image, not a
// pixmap, so that the build can render the installed icon sizes without a window system.
QImage applicationIcon(int size);

// The picture an image control of the given name shows; a null pixmap for an unknown name.
using PictureSource = QPixmap (*)(std::string_view controlName);
QPixmap mainWindowPicture(std::string_view controlName);
QPixmap farewellPicture(std::string_view controlName);

}  // namespace zephra::qt

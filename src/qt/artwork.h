#pragma once

#include <QPixmap>
#include <string_view>

namespace zephra::qt {

// The program's pictures, painted in code at the sizes the windows expect.
QPixmap moonPicture();         // the start picture, 650 x 440: a moon over a starfield
QPixmap sunPicture();          // 20 x 20
QPixmap farewellBackground();  // 445 x 625
QPixmap starshipPicture();     // 445 x 625

// The picture an image control of the given name shows; a null pixmap for an unknown name.
using PictureSource = QPixmap (*)(std::string_view controlName);
QPixmap mainWindowPicture(std::string_view controlName);
QPixmap farewellPicture(std::string_view controlName);

}  // namespace zephra::qt

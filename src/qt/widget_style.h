#pragma once

#include <QFont>
#include <QWidget>

#include "toolkit/color.h"
#include "toolkit/controls.h"

namespace zephra::qt {

// The real faces behind the window's few font kinds, at pixel sizes close to the original point sizes.
QFont fontFor(toolkit::FontKind kind);

QColor toQColor(toolkit::Color c);

// Fore and back colour of a control for every palette role its widget may paint with.
void applyColors(QWidget& widget, toolkit::Color fore, toolkit::Color back, bool fillBackground);

}  // namespace zephra::qt

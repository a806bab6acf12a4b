#pragma once

#include <QString>

class QWidget;

namespace zephra::qt {

// Renders a widget (the charts) to an image file, PNG or SVG by the file's suffix. False when the suffix is
// neither or the file cannot be written.
bool saveWidgetImage(QWidget& widget, const QString& path);

}  // namespace zephra::qt

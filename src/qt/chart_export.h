// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace zephra::qt {

// Writes a file whole or not at all: into a temporary file beside it (beside the file a link points to),
// renamed over it once every byte is written, so that a full disk or a failed write leaves no part of a
// file and an older file as it was. A device or a pipe cannot be replaced and is written in place. Empty when
// written, else why not.
QString writeWhole(const QString& path, const QByteArray& content);

enum class ImageFormat { png, svg };

// Renders a widget (the charts) to an image file, by writeWhole. Empty when written, else why not.
QString saveWidgetImage(QWidget& widget, const QString& path, ImageFormat format);

}  // namespace zephra::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/chart_export.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

namespace zephra::qt {

namespace {

// Whether the content went out in full: a full disk may take part of a write and refuse the rest.
bool writtenWhole(QFileDevice& file, const QByteArray& content) {
    return file.write(content) == content.size() && file.flush();
}

// The image is made in memory and written in one piece: the image writers neither report nor stop at a
// write that fails.
QByteArray imageOf(QWidget& widget, ImageFormat format) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == ImageFormat::png) return widget.grab().save(&buffer, "PNG") ? buffer.data() : QByteArray();
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(widget.size());
    svg.setViewBox(widget.rect());
    svg.setTitle(QStringLiteral("Zephra trace"));
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    widget.render(&painter);
    return painter.end() ? buffer.data() : QByteArray();
}

}  // namespace

QString writeWhole(const QString& path, const QByteArray& content) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile device(path);
        if (device.open(QIODevice::WriteOnly) && writtenWhole(device, content)) return {};
        return device.errorString();
    }
    QSaveFile file(path);  // discards its temporary file unless committed
    if (file.open(QIODevice::WriteOnly) && writtenWhole(file, content) && file.commit()) return {};
    return file.error() == QFileDevice::NoError ? QStringLiteral("written in part only: is the disk full?")
                                                : file.errorString();
}

QString saveWidgetImage(QWidget& widget, const QString& path, ImageFormat format) {
    const QByteArray image = imageOf(widget, format);
    if (image.isEmpty()) return QStringLiteral("the image could not be drawn");
    return writeWhole(path, image);
}

}  // namespace zephra::qt

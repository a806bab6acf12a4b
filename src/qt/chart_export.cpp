#include "qt/chart_export.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

namespace zephra::qt {

bool saveWidgetImage(QWidget& widget, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return widget.grab().save(path, "PNG");
    if (suffix != QLatin1String("svg")) return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(widget.size());
    svg.setViewBox(widget.rect());
    svg.setTitle(QStringLiteral("Zephra trace"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    widget.render(&painter);
    return painter.end();
}

}  // namespace zephra::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/painted_controls.h"

#include <QPainter>

namespace zephra::qt {

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    const QColor face = palette().color(QPalette::Button);
    p.fillRect(rect(), face);
    const bool held = isDown();
    const QColor light = face.lighter(150);
    const QColor dark = face.darker(250);
    p.setPen(held ? dark : light);
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(held ? light : dark);
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());

    const QColor ink = palette().color(QPalette::ButtonText);
    p.setPen(ink);
    p.drawText(rect().translated(held ? 1 : 0, held ? 1 : 0), Qt::AlignCenter, text());
    if (hasFocus()) {
        p.setPen(QPen(ink, 1, Qt::DotLine));
        p.drawRect(box.adjusted(2, 2, -2, -2));
    }
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setColors(QColor border, QColor fill) {
    border_ = border;
    fill_ = fill;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border_, 1));
    p.setBrush(fill_);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void FrameWidget::setFrame(const QString& caption, bool bordered) {
    caption_ = caption;
    bordered_ = bordered;
    update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
    if (!bordered_) return;
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect box = rect().adjusted(0, lineY, -1, -1);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(box.translated(1, 1));
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(box);
    if (caption_.isEmpty()) return;
    const QRect text(6, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter, caption_);
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setLine(QLine line, QColor color) {
    const QRect box = QRect(line.p1(), line.p2()).normalized().adjusted(0, 0, 1, 1);
    setGeometry(box);
    line_ = line.translated(-box.topLeft());
    color_ = color;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(color_);
    p.drawLine(line_);
}

}  // namespace zephra::qt

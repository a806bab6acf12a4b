// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLine>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace zephra::qt {

// A command button in its own colours: the face flat in the back colour (a style would shade it), a
// one-pixel raised edge that sinks while the button is held, the caption centred in the fore colour, and a
// dotted mark inside the edge while the button has the keyboard focus.
class FlatButton : public QPushButton {
  public:
    explicit FlatButton(QWidget* parent = nullptr) : QPushButton(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override;
};

// The window's shape: a circle with a border and a fill colour.
class ShapeWidget : public QWidget {
  public:
    explicit ShapeWidget(QWidget* parent = nullptr);
    void setColors(QColor border, QColor fill);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor border_ = Qt::black;
    QColor fill_ = Qt::black;
};

// A frame: an etched rectangle with its caption on the top edge, or a plain area when it has no border.
class FrameWidget : public QWidget {
  public:
    explicit FrameWidget(QWidget* parent = nullptr) : QWidget(parent) {}
    void setFrame(const QString& caption, bool bordered);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString caption_;
    bool bordered_ = true;
};

// A straight line between two points of its container; the widget covers the line's bounding box.
class LineWidget : public QWidget {
  public:
    explicit LineWidget(QWidget* parent = nullptr);
    // Ends in the container's pixels.
    void setLine(QLine line, QColor color);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QLine line_;
    QColor color_ = Qt::black;
};

}  // namespace zephra::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window_mirror.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>

#include "qt/painted_controls.h"
#include "qt/qt_text.h"
#include "qt/widget_style.h"
#include "toolkit/twips.h"

namespace zephra::qt {

using toolkit::Control;
using toolkit::ControlKind;

namespace {

int pixels(int twips) {
    return twips / toolkit::kTwipsPerPixel;
}

Qt::Alignment toQtAlignment(toolkit::Alignment a) {
    switch (a) {
        case toolkit::Alignment::Right:
            return Qt::AlignRight;
        case toolkit::Alignment::Center:
            return Qt::AlignHCenter;
        case toolkit::Alignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

// Multi-line captions separate their lines by a carriage return.
QString captionText(const std::string& caption) {
    QString text = toQString(caption);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Qt::CheckState toCheckState(int value) {
    if (value == toolkit::CheckBox::kTicked) return Qt::Checked;
    if (value == toolkit::CheckBox::kGreyed) return Qt::PartiallyChecked;
    return Qt::Unchecked;
}

// The smallest caption face that still reads at the window's size.
constexpr int kSmallestCaptionPx = 7;

// A caption wider than the place the window gives it is set a pixel smaller at a time, so that it reads whole
// rather than cut. Labels with room for more than one line wrap instead.
void shrinkCaptionToFit(QWidget& widget, ControlKind kind) {
    if (kind != ControlKind::CheckBox && kind != ControlKind::OptionButton && kind != ControlKind::Label)
        return;
    auto tooWide = [&widget, kind] {
        if (kind != ControlKind::Label) return widget.sizeHint().width() > widget.width();
        const QString text = static_cast<QLabel&>(widget).text();
        const QFontMetrics metrics(widget.font());
        return widget.height() < 2 * metrics.lineSpacing() && !text.contains(QLatin1Char('\n')) &&
               metrics.horizontalAdvance(text) > widget.width();
    };
    QFont font = widget.font();
    while (font.pixelSize() > kSmallestCaptionPx && tooWide()) {
        font.setPixelSize(font.pixelSize() - 1);
        widget.setFont(font);
    }
}

}  // namespace

WindowMirror::WindowMirror(toolkit::Form& form, QWidget& root, EventGate& gate, WindowLook look)
    : form_(form), root_(root), gate_(gate), look_(std::move(look)) {
    // A child of the window made before the widgets: it is deleted first, and the widgets' guarded
    // pointers to it turn null rather than dangle.
    indicatorStyle_ = new CompactIndicatorStyle;
    indicatorStyle_->setParent(&root_);
    const auto& controls = form_.controls();
    for (Control* c : controls) {
        QWidget* w = createWidget(*c);
        widgets_[c] = w;
        controls_[w] = c;
        w->installEventFilter(this);
        connectInput(*c, w);
    }
    // Containers may be registered after their members; parents are set once every widget exists, in the
    // model's order, so that later controls lie above earlier ones.
    for (Control* c : controls) widgets_[c]->setParent(parentFor(*c));
    for (Control* c : controls) mirror(*c);
    form_.takeDirty();
    focusGeneration_ = form_.focusGeneration();
}

QWidget* WindowMirror::widgetFor(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

QWidget* WindowMirror::parentFor(const Control& control) const {
    QWidget* container = control.container() ? widgetFor(*control.container()) : nullptr;
    return container ? container : &root_;
}

QWidget* WindowMirror::createWidget(Control& control) {
    QWidget* w = nullptr;
    switch (control.kind()) {
        case ControlKind::CommandButton:
            w = new FlatButton(&root_);
            break;
        case ControlKind::CheckBox:
            w = new QCheckBox(&root_);
            static_cast<QCheckBox*>(w)->setTristate(true);
            w->setStyle(indicatorStyle_);
            break;
        case ControlKind::OptionButton:
            // The model keeps each container's options exclusive.
            w = new QRadioButton(&root_);
            static_cast<QRadioButton*>(w)->setAutoExclusive(false);
            w->setStyle(indicatorStyle_);
            break;
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(&root_);
            edit->setFrame(false);  // the window's boxes are flat; the frame would eat their narrow width
            edit->setTextMargins(1, 0, 1, 0);
            w = edit;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(&root_);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            w = label;
            break;
        }
        case ControlKind::Image: {
            auto* label = new QLabel(&root_);
            if (look_.pictures) label->setPixmap(look_.pictures(control.name()));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = label;
            break;
        }
        case ControlKind::Frame:
            w = new FrameWidget(&root_);
            break;
        case ControlKind::HScrollBar:
            w = new QScrollBar(Qt::Horizontal, &root_);
            break;
        case ControlKind::Shape:
            w = new ShapeWidget(&root_);
            break;
        case ControlKind::Line:
            w = new LineWidget(&root_);
            break;
    }
    const auto& links = look_.linkControls;
    if (std::find(links.begin(), links.end(), control.name()) != links.end())
        w->setCursor(Qt::PointingHandCursor);
    return w;
}

void WindowMirror::connectInput(Control& control, QWidget* widget) {
    switch (control.kind()) {
        case ControlKind::CommandButton: {
            auto& button = static_cast<toolkit::CommandButton&>(control);
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, &button] { userEvent(button, [&button] { button.press(); }); });
            break;
        }
        case ControlKind::CheckBox: {
            auto& box = static_cast<toolkit::CheckBox&>(control);
            connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
                    [this, &box] { userEvent(box, [&box] { box.click(); }); });
            break;
        }
        case ControlKind::OptionButton: {
            auto& option = static_cast<toolkit::OptionButton&>(control);
            connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
                    [this, &option] { userEvent(option, [&option] { option.click(); }); });
            break;
        }
        case ControlKind::TextBox: {
            auto& box = static_cast<toolkit::TextBox&>(control);
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                    [this, &box](const QString& t) {
                        const std::string text = t.toStdString();
                        userEvent(box, [&box, &text] { box.setText(text); });
                    });
            break;
        }
        case ControlKind::HScrollBar: {
            // A scroll bar changes once per finished move: an arrow or page click, or the thumb released.
            // While the thumb is dragged the bar shows where it is, but the model hears nothing: a handler
            // that re-ranges the bar would otherwise pull the thumb away under the mouse.
            auto& bar = static_cast<toolkit::HScrollBar&>(control);
            auto* scroll = static_cast<QScrollBar*>(widget);
            scroll->setTracking(false);
            connect(scroll, &QScrollBar::valueChanged, this,
                    [this, &bar](int v) { userEvent(bar, [&bar, v] { bar.setValue(v); }); });
            connect(scroll, &QScrollBar::sliderMoved, scroll,
                    [scroll](int v) { QToolTip::showText(QCursor::pos(), QString::number(v), scroll); });
            break;
        }
        default:  // labels, images: mouse presses arrive through the event filter; the rest takes no input
            break;
    }
}

bool WindowMirror::eventFilter(QObject* watched, QEvent* event) {
    auto it = controls_.find(watched);
    if (it == controls_.end()) return false;
    Control& control = *it->second;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (form_.focused() != &control)
                userEvent(control, [this, &control] { form_.setFocus(control); });
            break;
        case QEvent::MouseButtonDblClick:
            if (control.kind() == ControlKind::TextBox) {
                auto& box = static_cast<toolkit::TextBox&>(control);
                userEvent(box, [&box] { box.doubleClick(); });
            }
            break;
        case QEvent::MouseButtonPress:
            if (control.kind() == ControlKind::Label) {
                auto& label = static_cast<toolkit::Label&>(control);
                userEvent(label, [&label] { label.click(); });
            } else if (control.kind() == ControlKind::Image) {
                auto& image = static_cast<toolkit::Image&>(control);
                userEvent(image, [&image] { image.click(); });
            }
            break;
        default:
            break;
    }
    return false;
}

void WindowMirror::userEvent(Control& control, const std::function<void()>& event) {
    gate_.deliver(event);
    mirror(control);
}

void WindowMirror::mirrorChanges() {
    for (Control* c : form_.takeDirty()) mirror(*c);
    if (form_.focusGeneration() == focusGeneration_) return;
    focusGeneration_ = form_.focusGeneration();
    QWidget* focused = form_.focused() ? widgetFor(*form_.focused()) : nullptr;
    if (focused && focused->isVisible() && !focused->hasFocus()) focused->setFocus(Qt::OtherFocusReason);
}

void WindowMirror::mirror(Control& control) {
    QWidget* w = widgetFor(control);
    if (!w) return;
    const QSignalBlocker block(w);
    if (QWidget* parent = parentFor(control); w->parentWidget() != parent) {
        w->setParent(parent);
        w->raise();
    }
    if (control.kind() != ControlKind::Line)
        w->setGeometry(pixels(control.left()), pixels(control.top()), pixels(control.width()),
                       pixels(control.height()));
    w->setEnabled(control.enabled());
    w->setToolTip(toQString(control.toolTip()));
    w->setFont(fontFor(control.font()));
    const bool transparent =
        control.kind() == ControlKind::Line || control.kind() == ControlKind::Shape ||
        (control.kind() == ControlKind::Label && static_cast<toolkit::Label&>(control).transparent());
    applyColors(*w, control.foreColor(), control.backColor(), !transparent);
    if (control.kind() == ControlKind::CheckBox || control.kind() == ControlKind::OptionButton)
        applyIndicatorWell(*w);
    mirrorKindState(control, w);
    shrinkCaptionToFit(*w, control.kind());
    w->setVisible(control.visible());
}

void WindowMirror::mirrorKindState(Control& control, QWidget* widget) {
    switch (control.kind()) {
        case ControlKind::CommandButton:
            static_cast<QPushButton*>(widget)->setText(captionText(control.caption()));
            break;
        case ControlKind::CheckBox: {
            auto* box = static_cast<QCheckBox*>(widget);
            box->setText(captionText(control.caption()));
            box->setCheckState(toCheckState(static_cast<toolkit::CheckBox&>(control).value()));
            break;
        }
        case ControlKind::OptionButton: {
            auto* option = static_cast<QRadioButton*>(widget);
            option->setText(captionText(control.caption()));
            option->setChecked(static_cast<toolkit::OptionButton&>(control).value());
            break;
        }
        case ControlKind::TextBox: {
            const auto& box = static_cast<toolkit::TextBox&>(control);
            auto* edit = static_cast<QLineEdit*>(widget);
            // Setting an unchanged text would move the cursor under the user's hands.
            if (const QString text = toQString(box.text()); edit->text() != text) edit->setText(text);
            edit->setReadOnly(box.locked());
            edit->setAlignment(toQtAlignment(box.alignment()) | Qt::AlignVCenter);
            break;
        }
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(widget);
            label->setText(captionText(control.caption()));
            label->setAlignment(toQtAlignment(static_cast<toolkit::Label&>(control).alignment()) |
                                Qt::AlignTop);
            break;
        }
        case ControlKind::Frame: {
            const auto& frame = static_cast<toolkit::Frame&>(control);
            static_cast<FrameWidget*>(widget)->setFrame(captionText(control.caption()), frame.bordered());
            break;
        }
        case ControlKind::HScrollBar: {
            const auto& bar = static_cast<toolkit::HScrollBar&>(control);
            auto* scroll = static_cast<QScrollBar*>(widget);
            scroll->setRange(bar.min(), bar.max());
            scroll->setSingleStep(bar.smallChange());
            scroll->setPageStep(bar.largeChange());
            scroll->setValue(bar.value());
            break;
        }
        case ControlKind::Shape: {
            const auto& shape = static_cast<toolkit::Shape&>(control);
            static_cast<ShapeWidget*>(widget)->setColors(toQColor(shape.borderColor()),
                                                         toQColor(shape.fillColor()));
            break;
        }
        case ControlKind::Line: {
            const auto& line = static_cast<toolkit::Line&>(control);
            static_cast<LineWidget*>(widget)->setLine(
                QLine(pixels(line.x1()), pixels(line.y1()), pixels(line.x2()), pixels(line.y2())),
                toQColor(control.foreColor()));
            break;
        }
        case ControlKind::Image:
            break;
    }
}

}  // namespace zephra::qt

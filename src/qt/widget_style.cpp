// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/widget_style.h"

#include <QPalette>

namespace zephra::qt {

namespace {
QFont face(const char* family, int pixelSize, bool bold, QFont::StyleHint hint) {
    QFont f(QString::fromLatin1(family));
    f.setStyleHint(hint);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}
}  // namespace

QFont fontFor(toolkit::FontKind kind) {
    // 1 pt is 4/3 pixel at 96 dpi: 6.75 pt -> 9 px, 12 pt -> 16 px; the number face is a pixel smaller than
    // 8.25 pt (11 px) because its substitute runs wider.
    switch (kind) {
        case toolkit::FontKind::Caption:
            // Condensed, so the window's long captions fit the narrow places they were written for.
            return face("DejaVu Sans Condensed", 9, false, QFont::SansSerif);
        case toolkit::FontKind::Scenario:
            return face("DejaVu Serif", 16, true, QFont::Serif);
        case toolkit::FontKind::Numeric:
            // A plain zero: at this size a dotted or slashed zero reads as an 8.
            return face("Noto Mono", 10, false, QFont::Monospace);
        case toolkit::FontKind::SansBold:
            return face("DejaVu Sans", 11, true, QFont::SansSerif);
        case toolkit::FontKind::Verdana:
            return face("DejaVu Sans", 16, true, QFont::SansSerif);
    }
    return face("DejaVu Serif", 9, false, QFont::Serif);
}

QColor toQColor(toolkit::Color c) {
    return QColor(toolkit::redOf(c), toolkit::greenOf(c), toolkit::blueOf(c));
}

void applyColors(QWidget& widget, toolkit::Color fore, toolkit::Color back, bool fillBackground) {
    QPalette pal = widget.palette();
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, toQColor(fore));
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) pal.setColor(role, toQColor(back));
    widget.setPalette(pal);
    widget.setAutoFillBackground(fillBackground);
}

void applyIndicatorWell(QWidget& widget) {
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    widget.setPalette(pal);
}

int CompactIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                       const QWidget* widget) const {
    constexpr int kIndicatorPx = 11;
    constexpr int kCaptionGapPx = 3;
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return kIndicatorPx;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return kCaptionGapPx;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

}  // namespace zephra::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QProxyStyle>
#include <QWidget>

#include "toolkit/color.h"
#include "toolkit/controls.h"

namespace zephra::qt {

// The real faces behind the window's few font kinds, at pixel sizes close to the original point sizes.
QFont fontFor(toolkit::FontKind kind);

QColor toQColor(toolkit::Color c);

// Fore and back colour of a control for every palette role its widget may paint with.
void applyColors(QWidget& widget, toolkit::Color fore, toolkit::Color back, bool fillBackground);

// A check box or option button keeps a white well with a black mark whatever the control's colours: a well
// in the control's dark back colour would vanish on the window's black.
void applyIndicatorWell(QWidget& widget);

// Check boxes and option buttons sized for the window's rows of 12 to 13 pixels, with a narrow gap before
// the caption so that the long time-scale captions fit their columns.
class CompactIndicatorStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace zephra::qt

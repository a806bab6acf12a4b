// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/desktop_app.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "qt/artwork.h"

namespace zephra::qt {

DesktopApp::DesktopApp(toolkit::Platform& platform)
    : platform_(platform),
      model_(std::make_unique<FormOrbit>(platform)),
      gate_([this](EventGate::Pace pace) { afterEvent(pace); }) {
    // The web links show a pointing hand: the start picture and the buttons that open pages, with "Go" and
    // "Pause" beside them in the same look.
    mainWindow_ = std::make_unique<FormWindow>(
        *model_, gate_,
        WindowLook{mainWindowPicture, {"ImMoon", "CDwww", "Command2", "Command3", "Command5"}},
        &model_->surface());
    farewellWindow_ = std::make_unique<FormWindow>(model_->Farewell, gate_,
                                                   WindowLook{farewellPicture, {"Picture1"}}, nullptr);
    chartsWindow_ = std::make_unique<ChartsWindow>(trace_);
    // The run is traced only while the charts window is open: nothing is kept for charts nobody looks at.
    // Opened, the recorder starts afresh at the next tick; closed, it keeps what it has.
    model_->onTickDone = [this](const SimState& st) {
        trace_.setEnabled(chartsWindow_->isVisible());
        trace_.afterTick(st);
    };
    new QShortcut(QKeySequence(Qt::Key_F2), mainWindow_.get(), [this] { chartsWindow_->open(); });
    // Closing either window ends the program, as its "x" buttons do.
    mainWindow_->onClose = [this] { platform_.quit(); };
    farewellWindow_->onClose = [this] { platform_.quit(); };
    runTimer_ = std::make_unique<TimerDrive>(model_->Ti, gate_, EventGate::Pace::Frame);
    blinkTimer_ = std::make_unique<TimerDrive>(model_->TiF, gate_);
    startTimer_ = std::make_unique<TimerDrive>(model_->Tr, gate_);

    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->refreshRate() > 0)
        frameMs_ = std::clamp(static_cast<int>(std::lround(1000 / screen->refreshRate())), 4, 50);
    frameTimer_.setSingleShot(true);
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { mirrorWhenFrameDue(); });
    sinceMirror_.start();
}

DesktopApp::~DesktopApp() = default;

void DesktopApp::show() {
    afterEvent(EventGate::Pace::Now);
    // The keyboard focus starts on the computation rate already chosen, where Space changes nothing. Left
    // to Qt it would start on the first control, "X", and one stray Space would leave the simulator.
    mainWindow_->mirror().widgetFor(model_->Optim[3])->setFocus(Qt::OtherFocusReason);
}

void DesktopApp::afterEvent(EventGate::Pace pace) {
    runTimer_->sync();
    blinkTimer_->sync();
    startTimer_->sync();
    if (pace == EventGate::Pace::Now || sinceMirror_.elapsed() >= frameMs_)
        mirrorNow();
    else if (!frameTimer_.isActive())
        frameTimer_.start(static_cast<int>(frameMs_ - sinceMirror_.elapsed()));
}

void DesktopApp::mirrorNow() {
    frameTimer_.stop();
    sinceMirror_.restart();
    mainWindow_->mirrorChanges();
    farewellWindow_->mirrorChanges();
    chartsWindow_->follow();
}

void DesktopApp::mirrorWhenFrameDue() {
    // Not in the middle of a handler (a message box's own event loop): the handler's end mirrors anyway.
    if (!gate_.busy()) mirrorNow();
}

}  // namespace zephra::qt

#include "qt/desktop_app.h"

#include "qt/artwork.h"

namespace zephra::qt {

DesktopApp::DesktopApp(toolkit::Platform& platform)
    : platform_(platform), model_(std::make_unique<FormOrbit>(platform)), gate_([this] { afterEvent(); }) {
    mainWindow_ = std::make_unique<FormWindow>(*model_, gate_, WindowLook{mainWindowPicture, {"ImMoon"}},
                                               &model_->surface());
    farewellWindow_ = std::make_unique<FormWindow>(model_->Farewell, gate_,
                                                   WindowLook{farewellPicture, {"Picture1"}}, nullptr);
    mainWindow_->setWindowTitle(QStringLiteral("Zephra"));
    farewellWindow_->setWindowTitle(QStringLiteral("Zephra"));
    // Closing either window ends the program, as its "x" buttons do.
    mainWindow_->onClose = [this] { platform_.quit(); };
    farewellWindow_->onClose = [this] { platform_.quit(); };
    runTimer_ = std::make_unique<TimerDrive>(model_->Ti, gate_);
    blinkTimer_ = std::make_unique<TimerDrive>(model_->TiF, gate_);
    startTimer_ = std::make_unique<TimerDrive>(model_->Tr, gate_);
}

DesktopApp::~DesktopApp() = default;

void DesktopApp::show() {
    afterEvent();
}

void DesktopApp::afterEvent() {
    mainWindow_->mirrorChanges();
    farewellWindow_->mirrorChanges();
    runTimer_->sync();
    blinkTimer_->sync();
    startTimer_->sync();
}

}  // namespace zephra::qt

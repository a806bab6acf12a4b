// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/desktop_app.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "qt/artwork.h"
#include "qt/qt_text.h"
#include "runfile/run_file.h"

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
    // Over the drawing and every control without a tooltip of its own.
    mainWindow_->setToolTip(
        QStringLiteral("Ctrl+S saves the run in a .zephra file, pausing it first; Ctrl+O opens a scenario "
                       "file, which starts "
                       "like a preset button, or a saved run, which resumes paused where it was saved."));
    new QShortcut(QKeySequence::Save, mainWindow_.get(), [this] { chooseFileToSave(); });
    new QShortcut(QKeySequence::Open, mainWindow_.get(), [this] { chooseFileToOpen(); });
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

namespace {
const QString kRunFiles = QStringLiteral("Zephra runs (*.zephra)");
}  // namespace

void DesktopApp::chooseFileToSave() {
    gate_.deliver([this] {
        if (model_->Ti.enabled()) model_->Command5.press();
    });
    const QString folder = toQString(platform_.dataFolder());
    QString file = QFileDialog::getSaveFileName(mainWindow_.get(), QStringLiteral("Save the run"),
                                                folder + QStringLiteral("/run.zephra"), kRunFiles);
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".zephra");
    saveRunTo(file);
}

void DesktopApp::chooseFileToOpen() {
    const QString file = QFileDialog::getOpenFileName(
        mainWindow_.get(), QStringLiteral("Open a scenario or a saved run"),
        toQString(platform_.dataFolder()), kRunFiles + QStringLiteral(";;All files (*)"));
    if (!file.isEmpty()) openRunFrom(file);
}

bool DesktopApp::saveRunTo(const QString& file) {
    std::optional<std::string> failure;
    gate_.deliver([&] {
        if (model_->Ti.enabled()) model_->Command5.press();
        failure = runfile::saveRun(*model_, file.toStdString());
        if (failure) platform_.messageBox(*failure, "Run not saved");
    });
    return !failure;
}

bool DesktopApp::openRunFrom(const QString& file) {
    std::optional<std::string> failure;
    gate_.deliver([&] {
        failure = runfile::openRunFile(*model_, file.toStdString());
        if (failure) platform_.messageBox(*failure, "Run file not opened");
    });
    return !failure;
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

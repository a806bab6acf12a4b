// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "qt/charts_window.h"
#include "qt/event_gate.h"
#include "qt/form_window.h"
#include "qt/timer_drive.h"
#include "toolkit/platform.h"
#include "ui/form_orbit.h"

namespace zephra::qt {

// The desktop program: the window model, its two windows and its three timers, joined by one event gate.
// Every user action and timer period is one model event; after each, the timers follow the model's and
// both windows mirror what changed: at once after a user's action, and no more often than the screen
// refreshes while the run timer ticks (a thousand ticks a second would otherwise repaint a thousand times).
class DesktopApp {
  public:
    explicit DesktopApp(toolkit::Platform& platform);
    ~DesktopApp();

    // Shows the windows the model has visible, the keyboard focus on a control that Space leaves alone.
    void show();

    FormOrbit& model() { return *model_; }
    FormWindow& mainWindow() { return *mainWindow_; }
    FormWindow& farewellWindow() { return *farewellWindow_; }
    // The charts of the run (F2 on the main window), following it at the screen's pace while open.
    ChartsWindow& chartsWindow() { return *chartsWindow_; }
    TimerDrive& runTimer() { return *runTimer_; }

    // Run files. Ctrl+S pauses the run, as Pause does, and asks where to save it; Ctrl+O asks for a file to
    // open; both dialogs start in the data folder. These do the rest; what fails is said in a message box,
    // and the run in the window stays as it was.
    bool saveRunTo(const QString& file);
    bool openRunFrom(const QString& file);

  private:
    void afterEvent(EventGate::Pace pace);
    void chooseFileToSave();
    void chooseFileToOpen();

    void mirrorNow();
    void mirrorWhenFrameDue();

    toolkit::Platform& platform_;
    std::unique_ptr<FormOrbit> model_;
    EventGate gate_;
    std::unique_ptr<FormWindow> mainWindow_;
    std::unique_ptr<FormWindow> farewellWindow_;
    tracking::TraceRecorder trace_;
    std::unique_ptr<ChartsWindow> chartsWindow_;
    std::unique_ptr<TimerDrive> runTimer_, blinkTimer_, startTimer_;
    int frameMs_ = 16;
    QElapsedTimer sinceMirror_;
    QTimer frameTimer_;  // brings the last ticks of a frame to the screen
};

}  // namespace zephra::qt

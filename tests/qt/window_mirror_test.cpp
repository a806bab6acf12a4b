// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt widgets follow the window model, and user input on them becomes the model's user events.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "qt/event_gate.h"
#include "qt/form_window.h"
#include "qt/timer_drive.h"
#include "toolkit/form.h"

using namespace zephra;

namespace {

// A small window with one control of each interactive kind.
struct SampleForm : toolkit::Form {
    SampleForm() : Form(3000, 1500) {
        add(frame, "Frame");
        add(button, "Button");
        add(box, "Box");
        add(text, "Text");
        add(optionA, "Opt", 0);
        add(optionB, "Opt", 1);
        add(bar, "Bar");
        add(label, "Label");
        frame.setBounds(1500, 0, 1500, 1500);
        button.setBounds(0, 0, 750, 300);
        button.setCaption("Go");
        box.setBounds(0, 300, 1200, 300);
        text.setBounds(0, 600, 1200, 300);
        for (auto* o : {&optionA, &optionB}) o->setContainer(&frame);
        optionA.setBounds(0, 0, 900, 300);
        optionB.setBounds(0, 300, 900, 300);
        optionA.initValue(true);
        bar.setBounds(0, 900, 1200, 255);
        bar.initRange(0, 100, 10);
        label.setBounds(0, 1200, 1200, 300);
        label.setCaption("first\rsecond");
        button.onClick = [this] { ++presses; };
        text.onLostFocus = [this] { ++lostFocus; };
        box.onClick = [this] { label.setCaption("ticked"); };
    }
    toolkit::Frame frame;
    toolkit::CommandButton button;
    toolkit::CheckBox box;
    toolkit::TextBox text;
    toolkit::OptionButton optionA, optionB;
    toolkit::HScrollBar bar;
    toolkit::Label label;
    int presses = 0;
    int lostFocus = 0;
};

}  // namespace

class WindowMirrorTest : public QObject {
    Q_OBJECT

  private slots:
    void userInputBecomesModelEventsAndTheModelAnswerComesBack() {
        SampleForm form;
        qt::FormWindow* windowPtr = nullptr;
        qt::EventGate gate([&](qt::EventGate::Pace) { windowPtr->mirrorChanges(); });
        qt::FormWindow window(form, gate, {}, nullptr);
        windowPtr = &window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(window.mirror().widgetFor(form.button), Qt::LeftButton);
        QCOMPARE(form.presses, 1);

        auto* box = static_cast<QCheckBox*>(window.mirror().widgetFor(form.box));
        box->click();
        QCOMPARE(form.box.value(), toolkit::CheckBox::kTicked);
        QCOMPARE(static_cast<QLabel*>(window.mirror().widgetFor(form.label))->text(),
                 QStringLiteral("ticked"));

        // A click on the selected option changes nothing in the model, and the widget shows the model's
        // state.
        auto* optionA = static_cast<QRadioButton*>(window.mirror().widgetFor(form.optionA));
        optionA->click();
        QVERIFY(form.optionA.value());
        QVERIFY(optionA->isChecked());
        static_cast<QRadioButton*>(window.mirror().widgetFor(form.optionB))->click();
        QVERIFY(form.optionB.value());
        QVERIFY(!form.optionA.value());
        QVERIFY(!optionA->isChecked());

        auto* edit = static_cast<QLineEdit*>(window.mirror().widgetFor(form.text));
        edit->setFocus();
        QTest::keyClicks(edit, "42");
        QCOMPARE(form.text.text(), std::string("42"));
        QCOMPARE(form.focused(), &form.text);
        window.mirror().widgetFor(form.bar)->setFocus();
        static_cast<QScrollBar*>(window.mirror().widgetFor(form.bar))->setValue(30);
        QCOMPARE(form.bar.value(), 30);
        QCOMPARE(form.lostFocus, 1);
    }

    void widgetsFollowTheModelWithoutLookingLikeUserActions() {
        SampleForm form;
        qt::EventGate gate([](qt::EventGate::Pace) {});
        qt::FormWindow window(form, gate, {}, nullptr);
        QCOMPARE(window.size(), QSize(200, 100));
        auto* option = window.mirror().widgetFor(form.optionB);
        QCOMPARE(option->parentWidget(), window.mirror().widgetFor(form.frame));
        QCOMPARE(option->geometry(), QRect(0, 20, 60, 20));
        QCOMPARE(static_cast<QLabel*>(window.mirror().widgetFor(form.label))->text(),
                 QStringLiteral("first\nsecond"));

        form.text.setText("from code");
        form.text.setLocked(true);  // a locked box the user cannot type into
        form.box.initValue(toolkit::CheckBox::kGreyed);
        form.button.setVisible(false);
        window.mirrorChanges();
        QCOMPARE(static_cast<QLineEdit*>(window.mirror().widgetFor(form.text))->text(),
                 QStringLiteral("from code"));
        QVERIFY(static_cast<QLineEdit*>(window.mirror().widgetFor(form.text))->isReadOnly());
        QCOMPARE(static_cast<QCheckBox*>(window.mirror().widgetFor(form.box))->checkState(),
                 Qt::PartiallyChecked);
        QVERIFY(window.mirror().widgetFor(form.button)->isHidden());
        QCOMPARE(form.presses, 0);
    }

    void aTimerPeriodNeverRunsInsideAnotherEvent() {
        toolkit::Timer timer;
        int ticks = 0;
        qt::EventGate gate([](qt::EventGate::Pace) {});
        timer.onTimer = [&] { ++ticks; };
        timer.setInterval(1);
        timer.setEnabled(true);
        qt::TimerDrive drive(timer, gate);
        QVERIFY(drive.running());
        QTRY_VERIFY(ticks > 2);

        // While another event holds the gate (a message box inside a tick), periods are skipped.
        gate.deliver([&] {
            const int before = ticks;
            QTest::qWait(20);
            QCOMPARE(ticks, before);
        });
        timer.setEnabled(false);
        drive.sync();
        QVERIFY(!drive.running());
    }
};

QTEST_MAIN(WindowMirrorTest)
#include "window_mirror_test.moc"

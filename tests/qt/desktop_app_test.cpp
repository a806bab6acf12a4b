// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program as a user meets it: the window opens in its start state, a scenario button starts a
// run that the run timer drives, the panels and the paused editor follow, every caption reads at the
// window's size, and the "X" leads to the farewell window.

#include "qt/desktop_app.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>
#include <string>
#include <utility>

#include "toolkit/headless_platform.h"

using namespace zephra;

namespace {

QRect scrollBarPart(QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.state |= QStyle::State_Horizontal;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

int pixelsBrighterThan(const QImage& image, int grey) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += qGray(image.pixel(x, y)) > grey;
    return count;
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Every visible caption is whole, in a face that still reads: check boxes and option buttons have room for
// their indicator and caption, labels with room for one line hold it.
void expectEveryCaptionWhole(qt::DesktopApp& app) {
    for (toolkit::Control* c : app.model().controls()) {
        QWidget* w = app.mainWindow().mirror().widgetFor(*c);
        const std::string what = c->name() + " " + c->caption();
        if (!w->isVisible()) continue;
        if (c->kind() == toolkit::ControlKind::CheckBox || c->kind() == toolkit::ControlKind::OptionButton) {
            QVERIFY2(w->sizeHint().width() <= w->width(), what.c_str());
            QVERIFY2(w->font().pixelSize() >= 8, what.c_str());
        } else if (c->kind() == toolkit::ControlKind::Label) {
            const QFontMetrics metrics(w->font());
            const QString text = static_cast<QLabel*>(w)->text();
            if (w->height() < 2 * metrics.lineSpacing() && !text.contains(QLatin1Char('\n')))
                QVERIFY2(metrics.horizontalAdvance(text) <= w->width(), what.c_str());
        }
    }
}

}  // namespace

class DesktopAppTest : public QObject {
    Q_OBJECT

  private slots:
    void scenarioButtonStartsARunThatThePanelsFollow() {
        toolkit::HeadlessPlatform platform(QDir::tempPath().toStdString());
        qt::DesktopApp app(platform);
        app.show();
        QWidget& window = app.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(1024, 768));

        FormOrbit& model = app.model();
        QWidget* button = app.mainWindow().mirror().widgetFor(model.CDp[10]);
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(model.Ti.enabled());
        QVERIFY(app.runTimer().running());

        auto* iterations = static_cast<QLineEdit*>(app.mainWindow().mirror().widgetFor(model.TXiterations));
        QTRY_VERIFY(model.st.Iters >= 5);
        QTRY_COMPARE(iterations->text().toStdString(), model.TXiterations.text());

        // Pause: the run timer stops, the body editor appears.
        QTest::mouseClick(app.mainWindow().mirror().widgetFor(model.Command5), Qt::LeftButton);
        QVERIFY(!model.Ti.enabled());
        QVERIFY(!app.runTimer().running());
        const double paused = model.st.Iters;
        QTest::qWait(60);
        QCOMPARE(model.st.Iters, paused);

        // Edit the vertical velocity of the body in the editor and leave the box with Tab: the body takes it.
        const int body = std::stoi(model.TXTOden.text());
        auto* velocity = static_cast<QLineEdit*>(app.mainWindow().mirror().widgetFor(model.TXTp[3]));
        QTRY_VERIFY(velocity->isVisible());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(velocity, Qt::LeftButton);
        QTRY_VERIFY(velocity->hasFocus());
        velocity->selectAll();
        QTest::keyClicks(velocity, "0.25");
        QTest::keyClick(velocity, Qt::Key_Tab);
        QTRY_COMPARE(model.st.VelY[body], 0.25);

        // In "visual" mode the position bar drags the body. The bar changes only when the thumb is let go,
        // so the editor's re-ranging of the bar cannot pull the thumb away mid-drag.
        qt::WindowMirror& mirror = app.mainWindow().mirror();
        static_cast<QRadioButton*>(mirror.widgetFor(model.Opadd[1]))->click();
        auto* bar = static_cast<QScrollBar*>(mirror.widgetFor(model.Hsp[0]));
        QTRY_VERIFY(bar->isVisible());
        const double startX = model.st.ScrX[body];
        const int startValue = model.Hsp[0].value();
        const int startMax = model.Hsp[0].max();
        const QPoint grip = scrollBarPart(*bar, QStyle::SC_ScrollBarSlider).center();
        sendMouse(bar, QEvent::MouseButtonPress, grip, Qt::LeftButton);
        QVERIFY(bar->isSliderDown());
        for (int px = 1; px <= 3; ++px) {
            sendMouse(bar, QEvent::MouseMove, grip + QPoint(px, 0), Qt::LeftButton);
            QCOMPARE(model.st.ScrX[body], startX);
            QCOMPARE(model.Hsp[0].value(), startValue);
            QCOMPARE(model.Hsp[0].max(), startMax);
            QCOMPARE(QToolTip::text(), QString::number(bar->sliderPosition()));
        }
        const int dropped = bar->sliderPosition();
        QVERIFY(dropped > startValue);
        sendMouse(bar, QEvent::MouseButtonRelease, grip + QPoint(3, 0), Qt::NoButton);
        QCOMPARE(model.Hsp[0].value(), dropped);
        QCOMPARE(model.st.ScrX[body], dropped);
        QCOMPARE(model.TXTp[0].text(), std::to_string(dropped));
        QCOMPARE(bar->value(), dropped);

        // An arrow click is a finished change of one small step: one pixel.
        QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(*bar, QStyle::SC_ScrollBarAddLine).center());
        QCOMPARE(model.st.ScrX[body], dropped + 15);

        // Resume: the editor goes away and the run goes on.
        QTest::mouseClick(app.mainWindow().mirror().widgetFor(model.Command5), Qt::LeftButton);
        QVERIFY(app.runTimer().running());
        QTRY_VERIFY(!velocity->isVisible());
        QTRY_VERIFY(model.st.Iters > paused);
    }

    // At 1024 x 768 the keyboard focus starts where Space changes nothing, every caption reads whole, the
    // buttons show their colours flat, only the borderless frames lack an edge, unticked boxes show on the
    // black, the zero of the number face does not fill in like an 8, the links show a hand, and the window
    // has no title text; the "X" leads to the farewell window.
    void theWindowReadsAsDescribed() {
        toolkit::HeadlessPlatform platform(QDir::tempPath().toStdString());
        qt::DesktopApp app(platform);
        app.show();
        app.mainWindow().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));
        FormOrbit& model = app.model();
        qt::WindowMirror& mirror = app.mainWindow().mirror();

        // On "X", the first control, one stray Space would leave the simulator; on the chosen rate it
        // changes nothing.
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(focused, mirror.widgetFor(model.Optim[3]));
        QTest::keyClick(focused, Qt::Key_Space);
        QVERIFY(app.mainWindow().isVisible() && !app.farewellWindow().isVisible());
        QVERIFY(model.Optim[3].value() && static_cast<QRadioButton*>(focused)->isChecked());

        expectEveryCaptionWhole(app);
        QTest::mouseClick(mirror.widgetFor(model.CDp[10]), Qt::LeftButton);
        QTest::mouseClick(mirror.widgetFor(model.Command5), Qt::LeftButton);
        expectEveryCaptionWhole(app);

        // A face is one colour from its top to its bottom, beside the caption; a style's gradient is not.
        for (auto [button, colour] : {std::pair{&model.Command1, QColor(255, 128, 0)},
                                      std::pair{&model.Command5, QColor(176, 128, 64)}}) {
            const QImage face = mirror.widgetFor(*button)->grab().toImage();
            QCOMPARE(face.pixelColor(4, 4), colour);
            QCOMPARE(face.pixelColor(4, face.height() - 5), colour);
        }
        for (toolkit::Control* c : model.controls()) {
            if (c->kind() != toolkit::ControlKind::Frame) continue;
            const bool borderless = c->name() == "FraSpin" || c->name() == "FraMil" ||
                                    c->name() == "FraYear" || c->name() == "FraTi";
            QVERIFY2(static_cast<toolkit::Frame*>(c)->bordered() == !borderless, c->name().c_str());
        }
        QWidget* cosmo = mirror.widgetFor(model.FraCosmo);
        QVERIFY(pixelsBrighterThan(cosmo->grab(QRect(0, 0, 1, cosmo->height())).toImage(), 60) >
                cosmo->height() / 2);

        // The pause tip lies over the top of the description's first line, which shows through it.
        const QRect overlap = mirror.widgetFor(model.LabTab)
                                  ->geometry()
                                  .intersected(mirror.widgetFor(model.LaChirp[0])->geometry());
        QVERIFY(!overlap.isEmpty());
        QVERIFY(pixelsBrighterThan(app.mainWindow().grab(overlap).toImage(), 100) > 0);

        auto* unticked = static_cast<QCheckBox*>(mirror.widgetFor(model.Chuser));
        QCOMPARE(unticked->checkState(), Qt::Unchecked);
        QVERIFY(pixelsBrighterThan(unticked->grab(QRect(0, 0, 14, unticked->height())).toImage(), 200) > 30);

        // A plain zero is hollow: nothing is inked at the middle of its glyph.
        const QFont numberFace = mirror.widgetFor(model.TXiterations)->font();
        const QFontMetrics metrics(numberFace);
        QImage zero(metrics.horizontalAdvance(QLatin1Char('0')), metrics.height(), QImage::Format_RGB32);
        zero.fill(Qt::white);
        {
            QPainter p(&zero);
            p.setFont(numberFace);
            p.setPen(Qt::black);
            p.drawText(0, metrics.ascent(), QStringLiteral("0"));
        }
        const QRect ink = metrics.tightBoundingRect(QStringLiteral("0")).translated(0, metrics.ascent());
        QVERIFY(qGray(zero.pixel(ink.center())) > 200);

        auto hand = [](const QWidget* w) { return w->cursor().shape() == Qt::PointingHandCursor; };
        QVERIFY(hand(mirror.widgetFor(model.ImMoon)) && hand(mirror.widgetFor(model.Command2)) &&
                hand(mirror.widgetFor(model.Command3)) && hand(mirror.widgetFor(model.Command5)));
        for (int i = 0; i < 6; ++i) QVERIFY(hand(mirror.widgetFor(model.CDwww[i])));
        QVERIFY(hand(app.farewellWindow().mirror().widgetFor(model.Farewell.Picture1)));
        QVERIFY(!hand(mirror.widgetFor(model.Command4)));
        QVERIFY(mirror.widgetFor(model.CDsr)->toolTip().startsWith(QStringLiteral("RED = no special")));
        QVERIFY(app.mainWindow().windowTitle().isEmpty());

        // The "X" leads to the farewell window, whose crosses end the program.
        QTest::mouseClick(mirror.widgetFor(model.Command1), Qt::LeftButton);
        QVERIFY(app.farewellWindow().isVisible());
        QVERIFY(!app.mainWindow().isVisible());
        QTest::mouseClick(app.farewellWindow().mirror().widgetFor(model.Farewell.Command2[0]),
                          Qt::LeftButton);
        QVERIFY(platform.quitRequested);
    }
};

QTEST_MAIN(DesktopAppTest)
#include "desktop_app_test.moc"

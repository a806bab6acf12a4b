// The desktop program as a user meets it: the window opens in its start state, a scenario button starts a
// run that the run timer drives, the panels follow, and the "X" leads to the farewell window.

#include "qt/desktop_app.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "toolkit/headless_platform.h"

using namespace zephra;

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

        // Resume: the editor goes away and the run goes on.
        QTest::mouseClick(app.mainWindow().mirror().widgetFor(model.Command5), Qt::LeftButton);
        QVERIFY(app.runTimer().running());
        QTRY_VERIFY(!velocity->isVisible());
        QTRY_VERIFY(model.st.Iters > paused);
    }

    void leavingShowsTheFarewellWindow() {
        toolkit::HeadlessPlatform platform(QDir::tempPath().toStdString());
        qt::DesktopApp app(platform);
        app.show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.mainWindow()));
        QTest::mouseClick(app.mainWindow().mirror().widgetFor(app.model().Command1), Qt::LeftButton);
        QVERIFY(app.farewellWindow().isVisible());
        QVERIFY(!app.mainWindow().isVisible());
        QTest::mouseClick(app.farewellWindow().mirror().widgetFor(app.model().Farewell.Command2[0]),
                          Qt::LeftButton);
        QVERIFY(platform.quitRequested);
    }
};

QTEST_MAIN(DesktopAppTest)
#include "desktop_app_test.moc"

// The charts window as a user meets it: F2 on the main window opens it, and the charts of a running
// scenario grow at the screen's pace, the per-orbit chart once an orbit is complete.

#include <QChart>
#include <QDir>
#include <QTest>
#include <QXYSeries>

#include "qt/desktop_app.h"
#include "qt/trace_charts.h"
#include "qt/zoom_chart_view.h"
#include "toolkit/headless_platform.h"

using namespace zephra;

namespace {

int pointsOf(qt::ZoomChartView* view) {
    return static_cast<QXYSeries*>(view->chart()->series().first())->count();
}

}  // namespace

class ChartsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void f2OpensChartsThatFollowTheRun() {
        toolkit::HeadlessPlatform platform(QDir::tempPath().toStdString());
        qt::DesktopApp app(platform);
        app.show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.mainWindow()));
        QTest::keyClick(&app.mainWindow(), Qt::Key_F2);
        qt::ChartsWindow& charts = app.chartsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&charts));

        FormOrbit& model = app.model();
        QTest::mouseClick(app.mainWindow().mirror().widgetFor(model.CDp[10]), Qt::LeftButton);
        const auto& views = charts.charts().views();
        QTRY_VERIFY(pointsOf(views[0]) >= 3);
        const int distancePoints = pointsOf(views[0]);
        QTRY_VERIFY(pointsOf(views[0]) > distancePoints);
        QVERIFY(pointsOf(views[1]) > distancePoints);
        QCOMPARE(pointsOf(views[2]), 0);

        // The rest of the first orbit at once; the run's next frames bring it to the charts.
        while (model.st.Laps < 1) model.Ti.fire();
        QTRY_COMPARE(pointsOf(views[2]), 1);
        QVERIFY(pointsOf(views[0]) > 1000);
        QVERIFY(pointsOf(views[0]) <= static_cast<int>(qt::TraceCharts::kMostPoints));

        // The log scale shows the error's size: every point but the exact 0 of the first tick.
        const int energyPoints = pointsOf(views[1]);
        charts.charts().setLogScale(true);
        QVERIFY(pointsOf(views[1]) >= energyPoints - 1 && pointsOf(views[1]) > 1000);
        for (const QPointF& p : static_cast<QXYSeries*>(views[1]->chart()->series().first())->points())
            QVERIFY(p.y() > 0);
    }
};

QTEST_MAIN(ChartsWindowTest)
#include "charts_window_test.moc"

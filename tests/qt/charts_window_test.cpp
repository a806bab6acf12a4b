// SPDX-License-Identifier: GPL-3.0-or-later
// The charts window as a user meets it: F2 on the main window opens it on a screen of 1024 x 768, it says
// what will appear before a run, the charts of a running scenario grow at the screen's pace on round
// ticks, the per-orbit drift from the second orbit on, and its saves add their suffix and report failure.
// Then the axes' arithmetic at its limits.

#include <QApplication>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QXYSeries>
#include <cmath>

#include "qt/chart_axes.h"
#include "qt/desktop_app.h"
#include "qt/trace_charts.h"
#include "qt/zoom_chart_view.h"
#include "toolkit/headless_platform.h"

using namespace zephra;

namespace {

QXYSeries* seriesOf(qt::ZoomChartView* view, int k = 0) {
    return static_cast<QXYSeries*>(view->chart()->series().at(k));
}
int pointsOf(qt::ZoomChartView* view, int k = 0) {
    return seriesOf(view, k)->count();
}

qt::NiceAxis* axisOf(qt::ZoomChartView* view, Qt::Alignment side) {
    for (QAbstractAxis* axis : view->chart()->axes())
        if (axis->alignment() == side) return static_cast<qt::NiceAxis*>(axis);
    return nullptr;
}

// Each label is a whole multiple of one step of 1, 2 or 5 x 10^k, at the value it stands for, on the axis.
void expectRoundTicks(qt::NiceAxis* axis) {
    const QStringList labels = axis->categoriesLabels();
    QVERIFY2(labels.size() >= 2 && labels.size() <= 7, qPrintable(labels.join(' ')));
    const double step = axis->endValue(labels[1]) - axis->endValue(labels[0]);
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    QVERIFY2(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9,
             qPrintable(labels.join(' ')));
    for (const QString& label : labels) {
        const double value = axis->endValue(label);
        QCOMPARE(label.toDouble(), value);
        QVERIFY2(value >= axis->min() && value <= axis->max(), qPrintable(label));
        QVERIFY2(std::abs(value / step - std::round(value / step)) < 1e-9, qPrintable(label));
    }
}

// Clicks a save button and types a name into the file dialog, answers its question whether to replace a
// file with yes (the dialogs block the button's click); the text of a message box that follows, if any.
QString save(qt::ChartsWindow& window, const QString& button, const QString& name) {
    QString message;
    bool typed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !typed) {
            typed = true;
            auto* nameBox = qobject_cast<QLineEdit*>(dialog->focusWidget());
            nameBox->setText(name);
            // Queued: the dialog may ask in turn, and this poll must be free to answer.
            QMetaObject::invokeMethod(
                nameBox, [nameBox] { QTest::keyClick(nameBox, Qt::Key_Return); }, Qt::QueuedConnection);
        } else if (box && box->button(QMessageBox::Yes)) {
            box->button(QMessageBox::Yes)->click();
        } else if (box) {
            message = box->text();
            box->close();
        }
    });
    poll.start(10);
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text() == button) b->click();
    return message;
}

QStringList warnings;
void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg) warnings.append(text);
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
        // On the 1024 x 768 screen, with room for a title bar and a panel, and never made larger.
        QVERIFY(charts.width() <= 1024 && charts.height() <= 700);
        QVERIFY(charts.minimumSizeHint().width() <= 1024 && charts.minimumSizeHint().height() <= 700);

        const auto& views = charts.charts().views();
        QVERIFY(views[0]->placeholder().contains("first tick"));
        QVERIFY(views[2]->placeholder().contains("end of each orbit"));
        for (qt::ZoomChartView* view : views)
            for (QAbstractAxis* axis : view->chart()->axes()) QVERIFY(!axis->isVisible());

        FormOrbit& model = app.model();
        QTest::mouseClick(app.mainWindow().mirror().widgetFor(model.CDp[10]), Qt::LeftButton);
        QTRY_VERIFY(pointsOf(views[0]) >= 3);
        const int distancePoints = pointsOf(views[0]);
        QTRY_VERIFY(pointsOf(views[0]) > distancePoints);
        QVERIFY(pointsOf(views[1]) > distancePoints);
        QVERIFY(views[0]->placeholder().isEmpty() && !views[2]->placeholder().isEmpty());

        // The rest of the first orbit at once; the run's next frames bring its period to the charts, but
        // no drift: the first orbit has no orbit before it.
        while (model.st.Laps < 1) model.Ti.fire();
        QTRY_COMPARE(pointsOf(views[2], 2), 1);
        QCOMPARE(pointsOf(views[2], 0), 0);
        QVERIFY(views[2]->placeholder().startsWith("From the second orbit on"));
        QVERIFY(pointsOf(views[0]) > 1000);
        QVERIFY(pointsOf(views[0]) <= static_cast<int>(qt::TraceCharts::kMostPoints));
        // A year on round ticks, in days; the distance in whole km.
        QCOMPARE(axisOf(views[0], Qt::AlignBottom)->titleText(), QString("Elapsed time (days)"));
        QCOMPARE(axisOf(views[0], Qt::AlignBottom)->categoriesLabels().first(), QString("0"));
        expectRoundTicks(axisOf(views[0], Qt::AlignBottom));
        expectRoundTicks(axisOf(views[0], Qt::AlignLeft));
        expectRoundTicks(axisOf(views[1], Qt::AlignLeft));
        // Zoomed in by the wheel, still round, on finer steps.
        const QPoint centre = views[0]->viewport()->rect().center();
        QWheelEvent notches(centre, views[0]->mapToGlobal(centre), {}, {0, 3 * 120}, Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(views[0]->viewport(), &notches);
        qt::NiceAxis* zoomedTime = axisOf(views[0], Qt::AlignBottom);
        QVERIFY(views[0]->zoomed() && zoomedTime->max() - zoomedTime->min() < 200);
        expectRoundTicks(zoomedTime);
        charts.charts().resetZoom();

        // The second orbit's drift is a few metres; the first one's, 5 million km, stays off the chart.
        while (model.st.Laps < 2) model.Ti.fire();
        QTRY_COMPARE(pointsOf(views[2], 0), 1);
        qt::NiceAxis* drift = axisOf(views[2], Qt::AlignLeft);
        QVERIFY2(drift->max() - drift->min() < 1, qPrintable(drift->categoriesLabels().join(' ')));

        // The log scale shows the error's size: every point but the exact 0 of the first tick, and no word
        // on stderr about the logarithm of that 0.
        const int energyPoints = pointsOf(views[1]);
        warnings.clear();
        const QtMessageHandler qtHandler = qInstallMessageHandler(keepWarnings);
        charts.charts().setLogScale(true);
        QTest::qWait(50);
        charts.charts().setLogScale(false);
        charts.charts().setLogScale(true);
        QTest::qWait(50);
        qInstallMessageHandler(qtHandler);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
        QVERIFY(pointsOf(views[1]) >= energyPoints - 1 && pointsOf(views[1]) > 1000);
        for (const QPointF& p : seriesOf(views[1])->points()) QVERIFY(p.y() > 0);

        // A name without a suffix takes the button's; the table says which drift is from the start.
        QTemporaryDir folder;
        QVERIFY(save(charts, "Save as CSV", folder.filePath("trace")).isEmpty());
        QFile table(folder.filePath("trace.csv"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(table.readAll());
        QVERIFY(text.section('\n', 0, 0).endsWith(",drift_from"));
        QVERIFY(text.contains(QRegularExpression("\norbit,[^\n]*,1,[^\n]*,start\n")));
        QVERIFY(text.contains(QRegularExpression("\norbit,[^\n]*,2,[^\n]*,previous\n")));

        // A save that fails says so, with no file left beside it.
        QVERIFY(QFile::link("/dev/full", folder.filePath("full.svg")));
        QVERIFY(save(charts, "Save as SVG", folder.filePath("full.svg")).startsWith("Could not write"));
        QVERIFY(QFile::link("/dev/full", folder.filePath("full.png")));
        QVERIFY(save(charts, "Save as PNG", folder.filePath("full.png")).startsWith("Could not write"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
    }

    void axesPickTheirUnitAndRoundSteps() {
        // A unit up to three of the next: 3 hours are 10800 s, a second more is 3 hours.
        const double hour = 1.0 / 24, second = hour / 3600;
        QCOMPARE(QString(qt::timeUnitFor(3 * hour).name), QString("seconds"));
        QCOMPARE(QString(qt::timeUnitFor(3 * hour + second).name), QString("hours"));
        QCOMPARE(QString(qt::timeUnitFor(3).name), QString("hours"));
        QCOMPARE(QString(qt::timeUnitFor(3 + second).name), QString("days"));
        QCOMPARE(QString(qt::timeUnitFor(3 * 365.256).name), QString("days"));
        QCOMPARE(QString(qt::timeUnitFor(3 * 365.256 + 1).name), QString("years"));
        QCOMPARE(QString(qt::timeUnitFor(7.085e-5).name), QString("seconds"));  // the white dwarfs' 3 orbits

        // 5 intervals at most: a span of 10 steps by 2, a hair more by 5, 1 by 0.2, 1e-300 by 2e-301.
        QCOMPARE(qt::niceStep(10, 5), 2.0);
        QCOMPARE(qt::niceStep(10.001, 5), 5.0);
        QCOMPARE(qt::niceStep(25.001, 5), 10.0);
        QCOMPARE(qt::niceStep(1, 5), 0.2);
        QCOMPARE(qt::niceStep(1e-300, 5), 2e-301);
        const auto [lo, hi] = qt::niceRange(-0.0173, 923.9, 5);
        QCOMPARE(lo, -200.0);
        QCOMPARE(hi, 1000.0);
        // No range so narrow or so wide that its steps overflow or cannot be told apart.
        const auto [flatLo, flatHi] = qt::niceRange(1e16, 1e16 + 2, 5);
        QVERIFY(flatHi - flatLo >= 1e7);
        const auto [wideLo, wideHi] = qt::niceRange(-1.7e308, 1.7e308, 5);
        QVERIFY(std::isfinite(wideLo) && std::isfinite(wideHi));

        // Down to the step's digit, plain or in exponent notation, whichever is shorter; zero is 0.
        QCOMPARE(qt::tickLabel(0, 0.2, 1), QString("0"));
        QCOMPARE(qt::tickLabel(0.6000000000000001, 0.2, 1), QString("0.6"));
        QCOMPARE(qt::tickLabel(365.245, 0.005, 365.265), QString("365.245"));
        QCOMPARE(qt::tickLabel(152093600, 200, 152093800), QString("152093600"));
        QCOMPARE(qt::tickLabel(1.48e8, 2e6, 1.54e8), QString("1.48e+08"));
        QCOMPARE(qt::tickLabel(-5e-6, 5e-6, 1e-5), QString("-5.0e-06"));
    }
};

QTEST_MAIN(ChartsWindowTest)
#include "charts_window_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Run files in the desktop window: a save pauses the run first and the file opens again paused where it was,
// in a window that shows it; a refused file is said in a message box and the run goes on as it was.

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "qt/desktop_app.h"
#include "toolkit/headless_platform.h"

using namespace zephra;

class RunFileWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aSavedRunOpensPausedWhereItWasSaved() {
        QTemporaryDir folder;
        toolkit::HeadlessPlatform platform(folder.path().toStdString());
        qt::DesktopApp saving(platform);
        saving.show();
        QTest::mouseClick(saving.mainWindow().mirror().widgetFor(saving.model().CDp[13]), Qt::LeftButton);
        QTRY_VERIFY(saving.model().st.Iters >= 20);
        const QString file = folder.filePath(QStringLiteral("pair.zephra"));
        QVERIFY(saving.saveRunTo(file));
        QVERIFY(!saving.model().Ti.enabled());
        QVERIFY(!saving.runTimer().running());
        const double iters = saving.model().st.Iters;

        qt::DesktopApp opening(platform);
        opening.show();
        QVERIFY(opening.openRunFrom(file));
        FormOrbit& model = opening.model();
        QCOMPARE(model.st.Iters, iters);
        QVERIFY(!model.Ti.enabled());
        QVERIFY(model.TiF.enabled());
        // The window shows the run it opened: the editor of the pause, and the iterations.
        QVERIFY(opening.mainWindow().mirror().widgetFor(model.Frame2)->isVisible());
        auto* box = static_cast<QLineEdit*>(opening.mainWindow().mirror().widgetFor(model.TXiterations));
        QCOMPARE(box->text().toStdString(), model.TXiterations.text());
        QVERIFY(platform.messages.empty());

        // Pause again goes on from there.
        QTest::mouseClick(opening.mainWindow().mirror().widgetFor(model.Command5), Qt::LeftButton);
        QVERIFY(opening.runTimer().running());
        QTRY_VERIFY(model.st.Iters > iters);
    }

    void aRefusedFileIsSaidInAMessageBoxAndTheRunGoesOn() {
        QTemporaryDir folder;
        toolkit::HeadlessPlatform platform(folder.path().toStdString());
        qt::DesktopApp app(platform);
        app.show();
        QTest::mouseClick(app.mainWindow().mirror().widgetFor(app.model().CDp[10]), Qt::LeftButton);
        const QString file = folder.filePath(QStringLiteral("broken.zephra"));
        std::ofstream(file.toStdString()) << "{\"format\": \"zephra\", \"version\": 9}";
        QVERIFY(!app.openRunFrom(file));
        QCOMPARE(platform.messages.size(), std::size_t{1});
        QVERIFY(platform.messages[0].text.find("broken.zephra: version: is 9") != std::string::npos);
        QVERIFY(app.model().Ti.enabled());
        QCOMPARE(app.model().st.ScenarioNo, 10.0f);
    }
};

QTEST_MAIN(RunFileWindowTest)
#include "run_file_window_test.moc"

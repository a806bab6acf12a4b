// SPDX-License-Identifier: GPL-3.0-or-later
// zephra-plot as a script meets it: a trace copied with CR LF line ends draws with nothing on stderr, a
// trace without a finite number has nothing to draw, and an image that cannot be written in full (a full
// device, a full disk, a folder that is a file) fails in one line and leaves no file, an older one intact.

#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <sstream>

#include "tracking/trace_csv.h"

using namespace zephra;

namespace {

struct Outcome {
    int status;
    QString errors;
};

// Runs zephra-plot as a shell without a login session would: no platform chosen, no runtime folder.
// fileLimit, when not 0, is the largest file in bytes the process may write, as on a full disk.
Outcome plot(const QStringList& args, rlim_t fileLimit = 0) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([fileLimit] {
        if (fileLimit == 0) return;
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
        const rlimit limit{fileLimit, fileLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(qEnvironmentVariable("ZEPHRA_PLOT"), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// A year of an orbit in 500 samples and its orbits; its CSV with each line end replaced.
QByteArray traceFile(const char* lineEnd) {
    std::vector<tracking::TraceSample> samples;
    for (int k = 0; k < 500; ++k)
        samples.push_back(
            {k * 0.73, 1.5e8 + 2.5e6 * std::cos(k * 0.0172), 1e-4, 3e-6, 5e-6 * std::sin(k * 0.0172), 0, 0});
    const std::vector<tracking::OrbitSample> orbits{{1, 365, 1.47e8, 1.52e8, -3e6, 0, 365},
                                                    {2, 730, 1.47e8, 1.52e8, 0.01, -0.02, 365}};
    std::ostringstream out;
    tracking::writeTraceCsv(out, samples, orbits);
    return QByteArray::fromStdString(out.str()).replace("\n", lineEnd);
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class PlotToolTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsACopiedTraceQuietlyAndSaysWhenThereIsNothingToDraw() {
        QTemporaryDir folder;
        const QString trace = folder.filePath("crlf.csv"), image = folder.filePath("crlf.png");
        write(trace, traceFile("\r\n") + "\r\n");
        const Outcome drawn = plot({trace, "-o", image});
        QCOMPARE(drawn.errors, QString());
        QCOMPARE(drawn.status, 0);
        QFile png(image);
        QVERIFY(png.open(QIODevice::ReadOnly) && png.read(4) == "\x89PNG");
        // The suffix in either case; exactly FILE.csv -o FILE.
        QCOMPARE(plot({trace, "-o", folder.filePath("upper.SVG")}).status, 0);
        for (const QStringList& args : {QStringList{trace, "-o"}, QStringList{trace, "-o", image, "extra"},
                                        QStringList{trace, "-x", image}, QStringList{trace, "-o", "t.gif"}})
            QCOMPARE(plot(args).status, 2);

        const QString nan = folder.filePath("nan.csv");
        write(nan, QByteArray(tracking::traceCsvHeader().c_str()) +
                       "\ntick,nan,nan,nan,nan,nan,nan,nan,,,,,,\n" +
                       "orbit,inf,,,,,,,nan,nan,nan,nan,nan,-inf\n");
        const Outcome nothing = plot({nan, "-o", folder.filePath("nan.svg")});
        QCOMPARE(nothing.status, 3);
        QCOMPARE(nothing.errors, "zephra-plot: " + nan + ": nothing to draw (no finite value)\n");
        QVERIFY(!QFile::exists(folder.filePath("nan.svg")));
    }

    void anImageNotWrittenInFullFailsAndLeavesNoFile() {
        QTemporaryDir folder;
        const QString trace = folder.filePath("t.csv");
        write(trace, traceFile("\n"));
        const QString old = folder.filePath("old.svg");
        write(old, "an older drawing");
        QVERIFY(QFile::link("/dev/full", folder.filePath("full.svg")));
        QVERIFY(QFile::link("/dev/full", folder.filePath("full.png")));
        const struct {
            QString output;
            rlim_t fileLimit;
            const char* why;
        } failures[] = {
            {folder.filePath("full.svg"), 0, "No space left on device"},
            {folder.filePath("full.png"), 0, "No space left on device"},
            {old, 4096, "written in part only"},  // 4 KiB of an SVG of some 100 KiB
            {folder.filePath("new.png"), 4096, "written in part only"},
            {trace + "/x.png", 0, "Not a directory"},
        };
        for (const auto& f : failures) {
            const Outcome failed = plot({trace, "-o", f.output}, f.fileLimit);
            QCOMPARE(failed.status, 1);
            QVERIFY2(failed.errors.startsWith("zephra-plot: cannot write " + f.output + ": " + f.why) &&
                         failed.errors.count('\n') == 1,
                     qPrintable(failed.errors));
        }
        QFile kept(old);
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == "an older drawing");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"full.png", "full.svg", "old.svg", "t.csv"}));
        QCOMPARE(plot({trace, "-o", old}).status, 0);  // the same drawing, with room for it
    }
};

QTEST_MAIN(PlotToolTest)
#include "plot_tool_test.moc"

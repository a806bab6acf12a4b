// SPDX-License-Identifier: GPL-3.0-or-later
// zephra-plot: renders a trace written by zephra-batch --trace (or the charts window) as the charts window's
// three charts, to a PNG or SVG file, without a screen.

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <variant>

#include "qt/chart_export.h"
#include "qt/trace_charts.h"
#include "tracking/trace_csv.h"

namespace {

constexpr int kExitNotWritten = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitNothingToDraw = 3;
constexpr const char* kUsage =
    "usage: zephra-plot FILE.csv -o FILE.png|FILE.svg\n"
    "  draws the trace's distance, energy error and per-orbit drift and period charts\n"
    "exit status: 0 written; 1 the image could not be written; 2 bad command line or trace file;\n"
    "  3 nothing to draw (no finite value in the trace)\n";

int refuse(const std::string& why) {
    std::fprintf(stderr, "zephra-plot: %s\n%s", why.c_str(), kUsage);
    return kExitBadInput;
}

// Qt looks for the marker of a Flatpak sandbox in the user's runtime folder before anything else, and says
// so when XDG_RUNTIME_DIR is not set, as in a batch job or a shell without a login session. The probe is
// Qt's own, made before a program can choose its platform; nothing here needs that folder. Every other
// message goes on to Qt's own handler.
QtMessageHandler qtHandler = nullptr;

void passOnAllButTheRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    // No screen is needed; a platform chosen by the caller still wins.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qtHandler = qInstallMessageHandler(passOnAllButTheRuntimeFolder);
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.size() != 3 || args[1] != QLatin1String("-o"))
        return refuse("expected FILE.csv -o FILE.png|svg");
    const QString input = args[0], output = args[2];
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
        return refuse("the output must end in .png or .svg: " + output.toStdString());

    std::ifstream in(input.toStdString(), std::ios::binary);
    if (!in) return refuse("cannot read " + input.toStdString());
    const auto read = zephra::tracking::readTraceCsv(in);
    if (const auto* why = std::get_if<std::string>(&read)) return refuse(input.toStdString() + ": " + *why);
    const auto& trace = std::get<zephra::tracking::Trace>(read);

    // Drawn without a window: a window of the offscreen platform has nothing to size it and says so.
    zephra::qt::TraceCharts charts;
    charts.resize(1000, 1100);
    charts.showTrace(trace.samples, 0, trace.orbits, 0);
    if (charts.empty()) {
        std::fprintf(stderr, "zephra-plot: %s: nothing to draw (no finite value)\n", qPrintable(input));
        return kExitNothingToDraw;
    }
    const auto format =
        suffix == QLatin1String("png") ? zephra::qt::ImageFormat::png : zephra::qt::ImageFormat::svg;
    const QString why = zephra::qt::saveWidgetImage(charts, output, format);
    if (!why.isEmpty()) {
        std::fprintf(stderr, "zephra-plot: cannot write %s: %s\n", qPrintable(output), qPrintable(why));
        return kExitNotWritten;
    }
    return 0;
}

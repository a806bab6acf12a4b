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

constexpr int kExitBadInput = 2;
constexpr const char* kUsage =
    "usage: zephra-plot FILE.csv -o FILE.png|FILE.svg\n"
    "  draws the trace's distance, energy error and per-orbit drift and period charts\n"
    "exit status: 0 written; 1 the image could not be written; 2 bad command line or trace file\n";

int refuse(const std::string& why) {
    std::fprintf(stderr, "zephra-plot: %s\n%s", why.c_str(), kUsage);
    return kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    // No screen is needed; a platform chosen by the caller still wins.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
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

    zephra::qt::TraceCharts charts;
    charts.resize(1000, 1100);
    charts.showTrace(trace.samples, 0, trace.orbits, 0);
    charts.setAttribute(Qt::WA_DontShowOnScreen);
    charts.show();
    QApplication::processEvents();
    if (!zephra::qt::saveWidgetImage(charts, output)) {
        std::fprintf(stderr, "zephra-plot: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}

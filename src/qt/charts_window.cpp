#include "qt/charts_window.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <fstream>

#include "qt/chart_export.h"
#include "qt/trace_charts.h"
#include "qt/zoom_chart_view.h"
#include "tracking/trace_csv.h"

namespace zephra::qt {

ChartsWindow::ChartsWindow(const tracking::TraceRecorder& recorder, QWidget* parent)
    : QWidget(parent, Qt::Window), recorder_(recorder), charts_(new TraceCharts(this)) {
    setWindowTitle(tr("Zephra charts"));
    auto* buttons = new QHBoxLayout;
    logScale_ = new QCheckBox(tr("Log scale (energy error)"), this);
    buttons->addWidget(logScale_);
    const auto addButton = [&](const QString& caption, auto action) {
        auto* button = new QPushButton(caption, this);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    };
    addButton(tr("Reset zoom"), [this] { charts_->resetZoom(); });
    buttons->addStretch();
    addButton(tr("Save as PNG"), [this] { saveImage(tr("Save as PNG"), tr("PNG image (*.png)"), "png"); });
    addButton(tr("Save as SVG"), [this] { saveImage(tr("Save as SVG"), tr("SVG drawing (*.svg)"), "svg"); });
    addButton(tr("Save as CSV"), [this] { saveCsv(); });
    connect(logScale_, &QCheckBox::toggled, this, [this](bool on) { charts_->setLogScale(on); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(charts_, 1);
    resize(900, 900);
}

void ChartsWindow::follow() {
    if (!isVisible()) return;
    double costMs = updateMs_;
    for (const ZoomChartView* view : charts_->views()) costMs += view->lastPaintMs();
    constexpr double kRunTimePerChartTime = 9;
    if (sinceFollowed_.isValid() && sinceFollowed_.elapsed() < kRunTimePerChartTime * costMs) return;
    sinceFollowed_.start();
    charts_->showTrace(recorder_.samples().items(), recorder_.samples().thinnings(),
                       recorder_.orbits().items(), recorder_.orbits().thinnings());
    updateMs_ = static_cast<double>(sinceFollowed_.nsecsElapsed()) / 1e6;
}

void ChartsWindow::open() {
    show();
    raise();
    activateWindow();
    sinceFollowed_.invalidate();
    follow();
}

void ChartsWindow::saveImage(const QString& title, const QString& filter, const char* suffix) {
    QString path = QFileDialog::getSaveFileName(this, title, QString(), filter);
    if (path.isEmpty()) return;
    // The file's suffix chooses the format.
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(suffix);
    if (!saveWidgetImage(*charts_, path))
        QMessageBox::warning(this, title, tr("Could not write %1").arg(path));
}

void ChartsWindow::saveCsv() {
    const QString title = tr("Save as CSV");
    const QString path = QFileDialog::getSaveFileName(this, title, QString(), tr("CSV table (*.csv)"));
    if (path.isEmpty()) return;
    std::ofstream out(path.toStdString(), std::ios::binary);
    tracking::writeTraceCsv(out, recorder_.samples().items(), recorder_.orbits().items());
    out.close();
    if (!out) QMessageBox::warning(this, title, tr("Could not write %1").arg(path));
}

}  // namespace zephra::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/charts_window.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <sstream>

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
    const auto image = [this](ImageFormat format) {
        return [this, format](const QString& path) { return saveWidgetImage(*charts_, path, format); };
    };
    addButton(tr("Save as PNG"), [=, this] {
        save(tr("Save as PNG"), tr("PNG image (*.png)"), "png", image(ImageFormat::png));
    });
    addButton(tr("Save as SVG"), [=, this] {
        save(tr("Save as SVG"), tr("SVG drawing (*.svg)"), "svg", image(ImageFormat::svg));
    });
    addButton(tr("Save as CSV"), [this] {
        save(tr("Save as CSV"), tr("CSV table (*.csv)"), "csv",
             [this](const QString& path) { return saveCsv(path); });
    });
    connect(logScale_, &QCheckBox::toggled, this, [this](bool on) { charts_->setLogScale(on); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(charts_, 1);
    // Within the 1024 x 768 screen the main window is made for, with room for a title bar and a panel.
    resize(QSize(900, 680).boundedTo(screen()->availableGeometry().size()));
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

void ChartsWindow::save(const QString& title, const QString& filter, const char* suffix,
                        const std::function<QString(const QString&)>& write) {
    QString path = QFileDialog::getSaveFileName(this, title, QString(), filter);
    if (path.isEmpty()) return;
    // A name given without a suffix takes the button's.
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(suffix);
    const QString why = write(path);
    if (!why.isEmpty()) QMessageBox::warning(this, title, tr("Could not write %1:\n%2").arg(path, why));
}

QString ChartsWindow::saveCsv(const QString& path) const {
    std::ostringstream table;
    tracking::writeTraceCsv(table, recorder_.samples().items(), recorder_.orbits().items(),
                            tracking::DriftFrom::said);
    return writeWhole(path, QByteArray::fromStdString(table.str()));
}

}  // namespace zephra::qt

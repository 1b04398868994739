// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/ChartPrintout.h"

#include "core/printout/ReportStyle.h"
#include "gui/reports/BarChart.h"
#include "render/paging/PageFrame.h"

#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

namespace markwell {

ChartPrintout::ChartPrintout(const BarGraph& graph, GraphValues values, const QString& gradeFilePath, QDate date)
    : graph_(graph), values_(values), gradeFilePath_(gradeFilePath), date_(date) {}

ChartPrintout::~ChartPrintout() = default;

QString ChartPrintout::title() const {
    return gradeFilePath_;
}

QPageLayout::Orientation ChartPrintout::orientationFor(const QPageLayout&) const {
    return QPageLayout::Landscape;
}

int ChartPrintout::layOut(const QPaintDevice& device) {
    device_ = &device;
    scene_ = std::make_unique<QGraphicsScene>();
    chart_ = new QChart;
    scene_->addItem(chart_);
    showBarGraph(*chart_, graph_, values_);
    chart_->setTitle(QString());
    chart_->setBackgroundVisible(false);
    chart_->setDropShadowEnabled(false);
    return 1;
}

void ChartPrintout::drawPage(QPainter& painter, int) const {
    if (!device_ || !chart_) return;
    const QSizeF area(device_->width(), device_->height());
    const PageFrame frame(reportPrintHeader(gradeFilePath_, graph_.title),
                          QLocale().toString(date_, QLocale::ShortFormat), *device_);
    frame.draw(painter, area, 1, 1);
    const QRectF target(0, frame.headerHeight(), area.width(), area.height() - frame.headerHeight());
    // Laid out in points as on a screen, then scaled up to the device, so
    // that its type keeps the sizes it has in the window.
    const double pointsPerPixel = 72.0 / device_->logicalDpiX();
    chart_->resize(target.size() * pointsPerPixel);
    // The chart places its parts, the bars' value labels among them, in
    // answer to posted events, as it would before a view paints it.
    QCoreApplication::sendPostedEvents();
    scene_->setSceneRect(QRectF(QPointF(0, 0), chart_->size()));

    scene_->render(&painter, target, scene_->sceneRect(), Qt::KeepAspectRatio);
}

}  // namespace markwell

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/BarGraph.h"
#include "render/paging/Printout.h"

#include <QDate>
#include <QString>

#include <memory>

QT_BEGIN_NAMESPACE
class QChart;
class QGraphicsScene;
QT_END_NAMESPACE

namespace markwell {

// The graph on one page, on its side: the header of the reports (the class
// file's path, the graph's title in bold, the date) and below it the chart
// drawn afresh from the graph, filling the page. The chart's own title is
// left out, as the header carries it; the window's chart is never touched.
class ChartPrintout : public Printout {
public:
    ChartPrintout(const BarGraph& graph, GraphValues values, const QString& gradeFilePath,
                  QDate date = QDate::currentDate());
    ~ChartPrintout() override;

    QString title() const override;
    QPageLayout::Orientation orientationFor(const QPageLayout& layout) const override;
    int layOut(const QPaintDevice& device) override;
    void drawPage(QPainter& painter, int index) const override;

private:
    BarGraph graph_;
    GraphValues values_;
    QString gradeFilePath_;
    QDate date_;
    const QPaintDevice* device_ = nullptr;
    std::unique_ptr<QGraphicsScene> scene_;  // owns the chart
    QChart* chart_ = nullptr;
};

}  // namespace markwell

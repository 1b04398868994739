// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/BarChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFont>
#include <QGraphicsTextItem>
#include <QSet>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace markwell {
namespace {

// Past this many bars the labels under them are turned, so that they fit.
constexpr int kUprightLabels = 8;

// Bars take the colours of the chart's theme in turn, this many before the
// first comes again: one bar set per colour (bar i in set i modulo this), the
// other sets holding 0 at that place, which the chart neither draws nor labels.
constexpr int kBarColours = 10;

// The values stand above the bars, on the white of the chart (the theme
// writes them in white, for labels inside the bars).
const QColor kValueColour(0x40, 0x40, 0x44);

const QString kZeroMarkName = QStringLiteral("zeroMark");
constexpr double kAboveBars = 100;  // the chart's own layers stay far below

QFont titleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setUnderline(true);
    return font;
}

QStackedBarSeries* barSeries(const std::vector<GraphBar>& bars) {
    const int count = static_cast<int>(bars.size());
    const int sets = std::min(count, kBarColours);
    auto* series = new QStackedBarSeries;
    for (int s = 0; s < sets; ++s) {
        auto* set = new QBarSet(QString());
        for (int i = 0; i < count; ++i) set->append(i % sets == s ? bars[static_cast<std::size_t>(i)].value : 0);
        set->setLabelColor(kValueColour);
        series->append(set);
    }
    return series;
}

void removeZeroMarks(QChart& chart) {
    for (QGraphicsItem* item : chart.childItems()) {
        auto* mark = dynamic_cast<QGraphicsTextItem*>(item);
        if (mark && mark->objectName() == kZeroMarkName) delete mark;
    }
}

// The chart writes no value over a bar of 0, which would then read as a
// "-": a mark of 0 gets its "0" here, on the bar's foot, and keeps it there
// whenever the plot is laid out again.
void addZeroMarks(QChart& chart, QAbstractBarSeries* series, const std::vector<GraphBar>& bars) {
    const QFont font = series->barSets().isEmpty() ? QFont() : series->barSets().front()->labelFont();
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (!bars[i].marked || bars[i].value != 0) continue;
        auto* mark = new QGraphicsTextItem(QStringLiteral("0"), &chart);
        mark->setObjectName(kZeroMarkName);
        mark->setFont(font);
        mark->setDefaultTextColor(kValueColour);
        mark->setZValue(kAboveBars);
        const QPointF bar(static_cast<double>(i), 0);
        const auto place = [&chart, series, mark, bar] {
            const QPointF foot = chart.mapToPosition(bar, series);
            const QRectF box = mark->boundingRect();
            mark->setPos(foot.x() - box.width() / 2, foot.y() - box.height());
        };
        place();
        QObject::connect(&chart, &QChart::plotAreaChanged, mark, place);
    }
}

}  // namespace

QStringList categoryLabels(const std::vector<GraphBar>& bars) {
    QStringList labels;
    QSet<QString> taken;
    for (const GraphBar& bar : bars) {
        QString label = bar.label;
        while (taken.contains(label)) label += QChar(0x200B);
        taken.insert(label);
        labels << label;
    }
    return labels;
}

void showBarGraph(QChart& chart, const BarGraph& graph, GraphValues values) {
    removeZeroMarks(chart);
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    chart.setTitle(graph.title);
    chart.setTitleFont(titleFont());
    chart.setTitleBrush(Qt::blue);
    chart.legend()->hide();

    double low = 0;
    double high = 0;
    for (const GraphBar& bar : graph.bars) {
        low = std::min(low, bar.value);
        high = std::max(high, bar.value);
    }
    QStackedBarSeries* series = barSeries(graph.bars);
    chart.addSeries(series);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(values == GraphValues::Points ? 15 : 4);
    series->setLabelsVisible(true);

    auto* categories = new QBarCategoryAxis;
    categories->append(categoryLabels(graph.bars));
    categories->setTitleText(graph.categoryAxisTitle);
    if (graph.bars.size() > kUprightLabels) categories->setLabelsAngle(-90);
    chart.addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto* valueAxis = new QValueAxis;
    valueAxis->setTitleText(graph.valueAxisTitle);
    // Room above the highest bar for its value.
    const double span = high - low > 0 ? high - low : 1;
    valueAxis->setRange(low < 0 ? low - span * 0.1 : 0, high + span * 0.1);
    valueAxis->applyNiceNumbers();
    chart.addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(valueAxis);
    addZeroMarks(chart, series, graph.bars);
}

}  // namespace markwell

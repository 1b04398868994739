#include "reports/BarChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFont>
#include <QSet>
#include <QValueAxis>

#include <algorithm>

namespace markwell {
namespace {

// Past this many bars the labels under them are turned, so that they fit.
constexpr int kUprightLabels = 8;

QFont titleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setUnderline(true);
    return font;
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
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    chart.setTitle(graph.title);
    chart.setTitleFont(titleFont());
    chart.setTitleBrush(Qt::blue);
    chart.legend()->hide();

    auto* set = new QBarSet(graph.title);
    double low = 0;
    double high = 0;
    for (const GraphBar& bar : graph.bars) {
        set->append(bar.value);
        low = std::min(low, bar.value);
        high = std::max(high, bar.value);
    }
    auto* series = new QBarSeries;
    series->append(set);
    chart.addSeries(series);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(values == GraphValues::Points ? 15 : 4);
    series->setLabelsVisible(true);
    // The theme writes values in white, for labels inside the bars; these
    // stand above them, on the white of the chart.
    set->setLabelColor(QColor(0x40, 0x40, 0x44));

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
}

}  // namespace markwell

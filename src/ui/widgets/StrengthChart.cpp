#include "ui/widgets/StrengthChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// The axis keeps each category once: a label repeated (two teams of one abbreviation, or
// none) is told apart by zero-width spaces, which show nothing.
QStringList distinct(const std::vector<StrengthChart::Bar>& bars) {
    QStringList labels;
    for (const StrengthChart::Bar& bar : bars) {
        QString label = bar.label;
        while (labels.contains(label)) label += QChar(0x200B);
        labels << label;
    }
    return labels;
}

}  // namespace

StrengthChart::StrengthChart(const QString& name, int bars, QWidget* parent) : QChartView(parent) {
    setObjectName(name);
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart();
    chart->legend()->hide();
    chart->setTitle(QStringLiteral("Team strength"));
    // A stacked series of one set a bar: each bar takes its set's colour, the others add nothing.
    auto* series = new QStackedBarSeries(chart);
    series->setBarWidth(0.8);
    for (int i = 0; i < bars; ++i) {
        auto* set = new QBarSet(QString(), series);
        for (int c = 0; c < bars; ++c) set->append(0);
        set->setBorderColor(QColor(96, 96, 96));  // a white uniform still shows its bar
        series->append(set);
        sets_.push_back(set);
    }
    chart->addSeries(series);
    labels_ = new QBarCategoryAxis(chart);
    labels_->setLabelsAngle(-90);
    labels_->setTruncateLabels(false);
    chart->addAxis(labels_, Qt::AlignBottom);
    series->attachAxis(labels_);
    values_ = new QValueAxis(chart);
    values_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(values_, Qt::AlignLeft);
    series->attachAxis(values_);
    setChart(chart);
    setMinimumSize(360, 240);
}

void StrengthChart::showBars(const std::vector<Bar>& bars) {
    const QStringList labels = distinct(bars);
    double low = 0, high = 100;
    // Only what changed is given to the chart: each change lays it out anew.
    for (std::size_t i = 0; i < sets_.size() && i < bars.size(); ++i) {
        const int at = static_cast<int>(i);
        if (sets_[i]->at(at) != bars[i].strength) sets_[i]->replace(at, bars[i].strength);
        if (sets_[i]->color() != bars[i].colour) sets_[i]->setColor(bars[i].colour);
        low = std::min(low, bars[i].strength);
        high = std::max(high, bars[i].strength);
    }
    if (labels_->categories() != labels) labels_->setCategories(labels);
    const double from = std::floor(low / 10) * 10, to = std::ceil(high / 10) * 10;
    if (values_->min() != from || values_->max() != to) values_->setRange(from, to);
}

StrengthChart::Bar StrengthChart::bar(int i) const {
    QBarSet* set = sets_[static_cast<std::size_t>(i)];
    QString label = labels_->at(i);
    return {label.remove(QChar(0x200B)), set->color(), set->at(i)};
}

#include "ui/widgets/SpreadChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "model/Rating.h"

SpreadChart::SpreadChart(const QString& name, QWidget* parent) : QChartView(parent) {
    setObjectName(name);
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart();
    auto* series = new QStackedBarSeries(chart);
    for (std::size_t g = 0; g < sets_.size(); ++g) {
        sets_[g] = new QBarSet(QString::fromLatin1(Position::kGroupNames[g]), series);
        for (int band = 0; band < kBands; ++band) sets_[g]->append(0);
        series->append(sets_[g]);
    }
    chart->addSeries(series);
    QStringList bands;
    for (int band = 0; band < kBands; ++band) bands << QString::number(10 * band);  // each band by where it starts
    auto* axis = new QBarCategoryAxis(chart);
    axis->setCategories(bands);
    axis->setTruncateLabels(false);
    axis->setTitleText(QStringLiteral("bands of ten by their lowest value (the last takes 100)"));
    chart->addAxis(axis, Qt::AlignBottom);
    series->attachAxis(axis);
    counts_ = new QValueAxis(chart);
    counts_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(counts_, Qt::AlignLeft);
    series->attachAxis(counts_);
    chart->legend()->setAlignment(Qt::AlignBottom);
    setChart(chart);
    setMinimumSize(300, 240);
}

void SpreadChart::showRating(const clsProject& league, int rating) {
    const Rating* r = Rating::at(rating);
    if (r == nullptr) return;
    std::array<std::array<int, kBands>, 3> counts{};
    std::array<int, kBands> totals{};
    for (int t = 0; t < clsProject::kTeams; ++t) {
        for (int s = 0; s < clsTeam::kRoster; ++s) {
            const clsPlayer& p = *league.getTeamRef(t)->getPlayerRef(s);
            const int band = std::min(std::clamp(r->value(p), 0, 100) / 10, kBands - 1);
            ++totals[static_cast<std::size_t>(band)];
            // A position code beyond the list counts in no group.
            if (const int g = Position::group(p.getPosition()); g >= 0)
                ++counts[static_cast<std::size_t>(g)][static_cast<std::size_t>(band)];
        }
    }
    for (std::size_t g = 0; g < sets_.size(); ++g)
        for (int band = 0; band < kBands; ++band)
            if (const int n = counts[g][static_cast<std::size_t>(band)]; sets_[g]->at(band) != n)
                sets_[g]->replace(band, n);
    if (const QString title = QStringLiteral("Players by %1").arg(QString::fromLatin1(r->reportName));
        chart()->title() != title)
        chart()->setTitle(title);
    const int most = *std::max_element(totals.begin(), totals.end());
    if (counts_->max() < most || counts_->max() > 2 * std::max(10, most)) {
        counts_->setRange(0, std::max(10, most));
        counts_->applyNiceNumbers();
    }
}

int SpreadChart::count(int group, int band) const {
    return static_cast<int>(sets_[static_cast<std::size_t>(group)]->at(band));
}

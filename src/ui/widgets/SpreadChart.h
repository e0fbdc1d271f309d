#pragma once
#include <QChartView>
#include <array>

#include "model/clsProject.h"

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

// How one rating is spread over the league's players: a histogram of the values as the player
// editor shows them, in ten bands named by where they start (0-9, 10-19, ... 90-100; a value
// outside 0..100 counts in the nearest band), one series a position group (guard, forward, center), stacked.
class SpreadChart : public QChartView {
    Q_OBJECT
public:
    static constexpr int kBands = 10;

    explicit SpreadChart(const QString& name, QWidget* parent = nullptr);

    // The players of the league by the rating with that attribute index.
    void showRating(const clsProject& league, int rating);

    // The players the chart counts in a band for a position group (0 guard, 1 forward, 2 center).
    int count(int group, int band) const;

private:
    std::array<QBarSet*, 3> sets_{};
    QValueAxis* counts_ = nullptr;
};

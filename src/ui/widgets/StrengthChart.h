#pragma once
#include <QChartView>
#include <QColor>
#include <QString>
#include <vector>

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

// A bar chart of the teams' strength: one bar a team, in the order given, each in a colour of
// its own with a label (the team's abbreviation) under it. The bars are made once and then
// only given new values, colours and labels.
class StrengthChart : public QChartView {
    Q_OBJECT
public:
    struct Bar {
        QString label;
        QColor colour;
        double strength = 0;
    };

    explicit StrengthChart(const QString& name, int bars, QWidget* parent = nullptr);

    void showBars(const std::vector<Bar>& bars);

    // The bars as the chart holds them, left to right.
    int bars() const { return static_cast<int>(sets_.size()); }
    Bar bar(int i) const;

private:
    std::vector<QBarSet*> sets_;  // set i has its bar in category i only
    QBarCategoryAxis* labels_ = nullptr;
    QValueAxis* values_ = nullptr;
};

#include "ui/ScheduleCheckWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/ScheduleCheck.h"
#include "session/Session.h"
#include "ui/UiText.h"

namespace {

enum Column { Abbreviation, Games, Home, Away, Columns };

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

ScheduleCheckWindow::ScheduleCheckWindow(const Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("frmScheduleCheck"));
    setWindowFlag(Qt::Window, true);
    setWindowTitle(QStringLiteral("Check Schedule"));
    auto* column = new QVBoxLayout(this);

    tblTeams = new QTableWidget(clsProject::kTeams, Columns, this);
    tblTeams->setObjectName(QStringLiteral("tblTeams"));
    tblTeams->setHorizontalHeaderLabels(
        {QStringLiteral("Team"), QStringLiteral("Games"), QStringLiteral("Home"), QStringLiteral("Away")});
    QStringList rows;  // the team's index, as the other commands number teams
    for (int t = 0; t < clsProject::kTeams; ++t) rows << QString::number(t);
    tblTeams->setVerticalHeaderLabels(rows);
    tblTeams->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTeams->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTeams->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblTeams->setMinimumSize(300, 420);
    column->addWidget(tblTeams, 3);

    lblUsualGames = new QLabel(this);
    lblUsualGames->setObjectName(QStringLiteral("lblUsualGames"));
    column->addWidget(lblUsualGames);

    auto* problems = new QLabel(QStringLiteral("&Problems:"), this);
    lstProblems = new QListWidget(this);
    lstProblems->setObjectName(QStringLiteral("lstProblems"));
    problems->setBuddy(lstProblems);
    column->addWidget(problems);
    column->addWidget(lstProblems, 1);

    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    column->addWidget(cmdClose, 0, Qt::AlignRight);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void ScheduleCheckWindow::refresh() {
    const clsProject& league = session_.league();
    const ScheduleCheck::Report report = ScheduleCheck::check(league);
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const ScheduleCheck::TeamGames& g = report.teams[static_cast<std::size_t>(t)];
        tblTeams->setItem(t, Abbreviation, cell(UiText::fromRom(league.getTeamRef(t)->getAbrev()), Qt::AlignLeft));
        tblTeams->setItem(t, Games, cell(QString::number(g.games), Qt::AlignRight));
        tblTeams->setItem(t, Home, cell(QString::number(g.home), Qt::AlignRight));
        tblTeams->setItem(t, Away, cell(QString::number(g.away), Qt::AlignRight));
    }
    lblUsualGames->setText(QStringLiteral("Most teams play %1 %2.")
                               .arg(report.usualGames)
                               .arg(report.usualGames == 1 ? QStringLiteral("game") : QStringLiteral("games")));
    lstProblems->clear();
    if (report.problems.empty()) lstProblems->addItem(QStringLiteral("No problems"));
    for (const ScheduleCheck::Problem& p : report.problems) lstProblems->addItem(UiText::fromRom(p.text));
}

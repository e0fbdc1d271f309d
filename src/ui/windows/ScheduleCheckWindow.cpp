#include "ui/windows/ScheduleCheckWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/ScheduleCheck.h"
#include "session/Session.h"
#include "ui/widgets/CachedTextDelegate.h"
#include "ui/widgets/UiText.h"

namespace {

enum Column { Abbreviation, Games, Home, Away, Columns };

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

ScheduleCheckWindow::ScheduleCheckWindow(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("frmScheduleCheck"));
    setWindowFlag(Qt::Window, true);
    setWindowTitle(QStringLiteral("Check Schedule"));
    auto* column = new QVBoxLayout(this);

    tblTeams = new QTableWidget(0, Columns, this);
    tblTeams->setObjectName(QStringLiteral("tblTeams"));
    tblTeams->verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 6);
    tblTeams->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblTeams->setRowCount(clsProject::kTeams);
    tblTeams->setHorizontalHeaderLabels(
        {QStringLiteral("Team"), QStringLiteral("Games"), QStringLiteral("Home"), QStringLiteral("Away")});
    QStringList rows;  // the team's index, as the other commands number teams
    for (int t = 0; t < clsProject::kTeams; ++t) rows << QString::number(t);
    tblTeams->setVerticalHeaderLabels(rows);
    tblTeams->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTeams->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTeams->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblTeams->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the columns share the width
    tblTeams->setMinimumWidth(300);
    tblTeams->setItemDelegate(new CachedTextDelegate(tblTeams));
    column->addWidget(tblTeams, 1);

    lblUsualGames = new QLabel(this);
    lblUsualGames->setObjectName(QStringLiteral("lblUsualGames"));
    column->addWidget(lblUsualGames);

    auto* problems = new QLabel(QStringLiteral("&Problems:"), this);
    lstProblems = new QListWidget(this);
    lstProblems->setObjectName(QStringLiteral("lstProblems"));
    lstProblems->setItemDelegate(new CachedTextDelegate(lstProblems));
    problems->setBuddy(lstProblems);
    lstProblems->setMinimumHeight(4 * (fontMetrics().height() + 4));
    column->addWidget(problems);
    column->addWidget(lstProblems);

    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    column->addWidget(cmdClose, 0, Qt::AlignRight);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    openAtFullHeight();
    observer_ = session_.observe([this](const LeagueEvent& event) { showChange(event); });
}

ScheduleCheckWindow::~ScheduleCheckWindow() { session_.forget(observer_); }

void ScheduleCheckWindow::showChange(const LeagueEvent& event) {
    if (!isVisible() || event.nature == LeagueEvent::Nature::Saved) return;
    if (event.nature == LeagueEvent::Nature::Replaced ||
        event.change.touches(LeagueChange::Schedule | LeagueChange::TeamNames))
        refresh();
}

// The table keeps the height of all its rows where the screen allows, the problems below it
// at least a few lines; the window opens at the height that needs.
void ScheduleCheckWindow::openAtFullHeight() {
    constexpr int kWindowFrame = 40;  // the title bar and borders the desktop adds
    const int wholeTable = tblTeams->horizontalHeader()->sizeHint().height() + tblTeams->verticalHeader()->length() +
                           2 * tblTeams->frameWidth();
    tblTeams->setMinimumHeight(wholeTable);
    QSize size = sizeHint();
    if (const QScreen* shown = screen()) {
        const int room = shown->availableGeometry().height() - kWindowFrame;
        const int around = size.height() - wholeTable - lstProblems->sizeHint().height() + lstProblems->minimumHeight();
        tblTeams->setMinimumHeight(std::clamp(room - around, 120, wholeTable));
        size.setHeight(std::min(size.height(), room));
    }
    resize(size);
}

void ScheduleCheckWindow::prepare() {
    refresh();
    ensurePolished();
    layout()->activate();
    tblTeams->doItemsLayout();
    lstProblems->doItemsLayout();
}

void ScheduleCheckWindow::refresh() {
    const clsProject& league = session_.league();
    const ScheduleCheck::Report report = ScheduleCheck::check(league);
    // A cell made once keeps its item and takes only a text that differs.
    const auto show = [this](int row, int column, const QString& text, Qt::Alignment alignment) {
        if (QTableWidgetItem* item = tblTeams->item(row, column)) {
            if (item->text() != text) item->setText(text);
        } else {
            tblTeams->setItem(row, column, cell(text, alignment));
        }
    };
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const ScheduleCheck::TeamGames& g = report.teams[static_cast<std::size_t>(t)];
        show(t, Abbreviation, UiText::fromRom(league.getTeamRef(t)->getAbrev()), Qt::AlignLeft);
        show(t, Games, QString::number(g.games), Qt::AlignRight);
        show(t, Home, QString::number(g.home), Qt::AlignRight);
        show(t, Away, QString::number(g.away), Qt::AlignRight);
    }
    lblUsualGames->setText(QStringLiteral("Most teams play %1 %2.")
                               .arg(report.usualGames)
                               .arg(report.usualGames == 1 ? QStringLiteral("game") : QStringLiteral("games")));
    QStringList problems;
    if (report.problems.empty()) problems << QStringLiteral("No problems");
    for (const ScheduleCheck::Problem& p : report.problems) problems << UiText::fromRom(p.text);
    QStringList shown;
    for (int i = 0; i < lstProblems->count(); ++i) shown << lstProblems->item(i)->text();
    if (shown != problems) {
        lstProblems->clear();
        lstProblems->addItems(problems);
    } else {  // as a list filled anew: nothing current or selected, the top in sight
        lstProblems->setCurrentIndex(QModelIndex());
        lstProblems->clearSelection();
        lstProblems->scrollToTop();
    }
}

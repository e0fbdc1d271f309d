#include "ui/panels/ScheduleEditorPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <numeric>
#include <vector>

#include "session/Session.h"
#include "ui/panels/EditorSelection.h"
#include "ui/panels/SessionSignals.h"
#include "ui/widgets/CachedTextDelegate.h"
#include "ui/widgets/SelectionEvents.h"
#include "ui/widgets/SteadyActivation.h"
#include "ui/widgets/UiText.h"

namespace {

// Shows team in a list of teams; a team number without an entry (27..31) shows none.
void showTeam(QComboBox* list, int team) {
    QSignalBlocker block(list);
    list->setCurrentIndex(team >= 0 && team < list->count() ? team : -1);
}

}  // namespace

ScheduleEditorPanel::ScheduleEditorPanel(Session& session, EditorSelection& selection, SessionSignals& events,
                                         QWidget* parent)
    : QGroupBox(QStringLiteral("League"), parent), session_(session), selection_(selection) {
    setObjectName(QStringLiteral("frameProjectEditor"));
    build();
    connect(&events, &SessionSignals::heard, this, &ScheduleEditorPanel::showChange);
}

// The lists showing the selected game are set anew from the league, as when it is clicked.
void ScheduleEditorPanel::showChange(const LeagueEvent& event) {
    if (event.nature == LeagueEvent::Nature::Saved) return;
    if (event.nature == LeagueEvent::Nature::Replaced) {
        fill();
        setEditable(true);
        return;
    }
    const LeagueChange& change = event.change;
    if (change.touches(LeagueChange::TeamNames))
        relabel();
    else
        relabelGames(change.games);
    if (change.touchesGame(selection_.game)) gameClicked();
}

void ScheduleEditorPanel::relabel() {
    const clsProject& league = session_.league();
    for (QComboBox* list : {ui_.cmbHome, ui_.cmbAway})
        for (int t = 0; t < clsProject::kTeams && t < list->count(); ++t)
            list->setItemText(t, UiText::fromRom(league.getTeamRef(t)->getAbrev()));
    relabelGames();
}

// A list view lays its entries out again after any of them is renamed, and would do it after
// this turn of the event loop, painting itself apart from the rest of the window: it is done
// at once, so that the window paints once.
void ScheduleEditorPanel::relabelGames() {
    std::vector<int> all(static_cast<std::size_t>(ui_.lstSchedule->count()));
    std::iota(all.begin(), all.end(), 0);
    relabelGames(all);
}

void ScheduleEditorPanel::relabelGames(const std::vector<int>& games) {
    bool renamed = false;
    for (int g : games) renamed = relabelGame(g) || renamed;
    if (renamed) ui_.lstSchedule->doItemsLayout();
}

bool ScheduleEditorPanel::relabelGame(int game) {
    QListWidgetItem* item = ui_.lstSchedule->item(game);
    if (item == nullptr) return false;
    const QString text = UiText::fromRom(session_.league().getMatchupStr(game));
    if (item->text() == text) return false;
    item->setText(text);
    return true;
}

void ScheduleEditorPanel::build() {
    auto* column = new QVBoxLayout(this);
    column->setSpacing(6);

    ui_.lstSchedule = new QListWidget(this);
    ui_.lstSchedule->setObjectName(QStringLiteral("lstSchedule"));
    ui_.lstSchedule->setUniformItemSizes(true);
    new SteadyActivation(ui_.lstSchedule);
    ui_.lstSchedule->setItemDelegate(new CachedTextDelegate(ui_.lstSchedule));
    ui_.lstSchedule->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("WWWWW at WWWWW")) + 40);
    column->addWidget(ui_.lstSchedule, 1);

    auto* row = new QHBoxLayout();
    ui_.cmbAway = new QComboBox(this);
    ui_.cmbAway->setObjectName(QStringLiteral("cmbAway"));
    ui_.cmbHome = new QComboBox(this);
    ui_.cmbHome->setObjectName(QStringLiteral("cmbHome"));
    row->addWidget(ui_.cmbAway, 1);
    auto* at = new QLabel(QStringLiteral("at"), this);
    at->setAlignment(Qt::AlignCenter);
    row->addWidget(at);
    row->addWidget(ui_.cmbHome, 1);
    column->addLayout(row);

    ui_.cmdEditAllStar = new QPushButton(QStringLiteral("All-Star"), this);
    ui_.cmdEditAllStar->setObjectName(QStringLiteral("cmdEditAllStar"));
    column->addWidget(ui_.cmdEditAllStar);

    gameClick_ = new ListClick(ui_.lstSchedule, [this] { gameClicked(); });
    // A team chosen in either list is stored when that list loses the focus, so choosing
    // a team and then clicking another game stores it in the game selected before.
    new FocusLossFilter(ui_.cmbHome, [this] { store(); });
    new FocusLossFilter(ui_.cmbAway, [this] { store(); });
    connect(ui_.cmdEditAllStar, &QPushButton::clicked, this, &ScheduleEditorPanel::allStarRequested);
}

// The lists keep their entries and take the texts that differ; a list of another length is
// filled anew.
void ScheduleEditorPanel::fill(int game) {
    const clsProject& league = session_.league();
    QStringList teams;
    for (int t = 0; t < clsProject::kTeams; ++t) teams << UiText::fromRom(league.getTeamRef(t)->getAbrev());
    for (QComboBox* list : {ui_.cmbHome, ui_.cmbAway}) {
        QSignalBlocker block(list);
        if (list->count() == teams.size()) {
            for (int t = 0; t < teams.size(); ++t)
                if (list->itemText(t) != teams[t]) list->setItemText(t, teams[t]);
        } else {
            list->clear();
            list->addItems(teams);
        }
        list->setCurrentIndex(0);
    }

    const int n = clsProject::getNumberOfGames();
    {
        QSignalBlocker block(ui_.lstSchedule);
        if (ui_.lstSchedule->count() == n + 1) {
            relabelGames();
        } else {
            QStringList games;
            games.reserve(n + 1);
            for (int g = 0; g <= n; ++g) games << UiText::fromRom(league.getMatchupStr(g));
            ui_.lstSchedule->clear();
            ui_.lstSchedule->addItems(games);
        }
    }
    ui_.lstSchedule->scrollToTop();
    selectGame(game >= 0 && game < ui_.lstSchedule->count() ? game : 0);
}

void ScheduleEditorPanel::selectGame(int game) { gameClick_->select(game); }

void ScheduleEditorPanel::setEditable(bool enabled) {
    ui_.lstSchedule->setEnabled(enabled);
    ui_.cmbHome->setEnabled(enabled);
    ui_.cmbAway->setEnabled(enabled);
    ui_.cmdEditAllStar->setEnabled(enabled);
}

void ScheduleEditorPanel::gameClicked() {
    const int g = ui_.lstSchedule->currentRow();
    if (g < 0) return;
    const clsProject::Pair b = session_.league().getMatchupBytes(g);
    showTeam(ui_.cmbHome, b[0]);
    showTeam(ui_.cmbAway, b[1]);
    shownHome_ = ui_.cmbHome->currentIndex();
    shownAway_ = ui_.cmbAway->currentIndex();
    selection_.game = g;
}

// Only a team the user chose is written, so that showing a game never changes its bytes
// (flags the game keeps beside the team number included).
void ScheduleEditorPanel::store() {
    const int game = selection_.game;
    if (game < 0 || game >= ui_.lstSchedule->count()) return;
    if (ui_.cmbHome->currentIndex() == shownHome_ && ui_.cmbAway->currentIndex() == shownAway_) return;
    shownHome_ = ui_.cmbHome->currentIndex();
    shownAway_ = ui_.cmbAway->currentIndex();
    // A list showing no entry (a team number beyond the league) keeps the game's team.
    const clsProject::Pair b = session_.league().getMatchupBytes(game);
    const int home = ui_.cmbHome->currentIndex() >= 0 ? ui_.cmbHome->currentIndex() : b[0];
    const int away = ui_.cmbAway->currentIndex() >= 0 ? ui_.cmbAway->currentIndex() : b[1];
    session_.edit("Schedule", LeagueChange::ofGame(game), [&](clsProject& league) {
        league.setMatchupBytes(game, static_cast<std::uint8_t>(home), static_cast<std::uint8_t>(away));
    });
}

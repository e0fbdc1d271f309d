// Schedule editor panel ("League" frame): the list of every game and the away and home
// team lists of the selected game, plus the button that opens the all-star editor.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "session/modGlobals.h"
#include "ui/SelectionEvents.h"
#include "ui/UiText.h"
#include "ui/frmAllStar.h"
#include "ui/frmMain.h"

namespace {

// Shows team in a list of teams; a team number without an entry (27..31) shows none.
void showTeam(QComboBox* list, int team) {
    QSignalBlocker block(list);
    list->setCurrentIndex(team >= 0 && team < list->count() ? team : -1);
}

}  // namespace

void frmMain::buildSchedulePanel(QGroupBox* frame) {
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(6);

    lstSchedule = new QListWidget(frame);
    lstSchedule->setObjectName(QStringLiteral("lstSchedule"));
    lstSchedule->setUniformItemSizes(true);
    lstSchedule->setMinimumWidth(QFontMetrics(frame->font()).horizontalAdvance(QStringLiteral("WWWWW at WWWWW")) + 40);
    column->addWidget(lstSchedule, 1);

    auto* row = new QHBoxLayout();
    cmbAway = new QComboBox(frame);
    cmbAway->setObjectName(QStringLiteral("cmbAway"));
    cmbHome = new QComboBox(frame);
    cmbHome->setObjectName(QStringLiteral("cmbHome"));
    row->addWidget(cmbAway, 1);
    auto* at = new QLabel(QStringLiteral("at"), frame);
    at->setAlignment(Qt::AlignCenter);
    row->addWidget(at);
    row->addWidget(cmbHome, 1);
    column->addLayout(row);

    cmdEditAllStar = new QPushButton(QStringLiteral("All-Star"), frame);
    cmdEditAllStar->setObjectName(QStringLiteral("cmdEditAllStar"));
    column->addWidget(cmdEditAllStar);

    scheduleClick_ = new ListClick(lstSchedule, [this] { lstSchedule_Click(); });
    // A team chosen in either list is stored when that list loses the focus, so choosing
    // a team and then clicking another game stores it in the game selected before.
    new FocusLossFilter(cmbHome, [this] { cmbHomeAway_LostFocus(); });
    new FocusLossFilter(cmbAway, [this] { cmbHomeAway_LostFocus(); });
    connect(cmdEditAllStar, &QPushButton::clicked, this, [this] { cmdEditAllStar_Click(); });
}

void frmMain::fillSchedulePanel() {
    clsProject& league = modGlobals::project();
    QStringList teams;
    for (int t = 0; t < clsProject::kTeams; ++t) teams << UiText::fromRom(league.getTeamRef(t)->getAbrev());
    for (QComboBox* list : {cmbHome, cmbAway}) {
        QSignalBlocker block(list);
        list->clear();
        list->addItems(teams);
        list->setCurrentIndex(0);
    }

    QStringList games;
    const int n = clsProject::getNumberOfGames();
    games.reserve(n + 1);
    for (int g = 0; g <= n; ++g) games << UiText::fromRom(league.getMatchupStr(g));
    {
        QSignalBlocker block(lstSchedule);
        lstSchedule->clear();
        lstSchedule->addItems(games);
    }
    selectScheduleGame(0);
}

void frmMain::selectScheduleGame(int game) { scheduleClick_->select(game); }

void frmMain::enableSchedulePanel(bool enabled) {
    lstSchedule->setEnabled(enabled);
    cmbHome->setEnabled(enabled);
    cmbAway->setEnabled(enabled);
    cmdEditAllStar->setEnabled(enabled);
}

void frmMain::lstSchedule_Click() {
    int g = lstSchedule->currentRow();
    if (g < 0) return;
    clsProject::Pair b = modGlobals::project().getMatchupBytes(g);
    showTeam(cmbHome, b[0]);
    showTeam(cmbAway, b[1]);
    selectedGame = g;
}

void frmMain::cmbHomeAway_LostFocus() {
    if (selectedGame < 0 || selectedGame >= lstSchedule->count()) return;
    clsProject& league = modGlobals::project();
    // A list showing no entry (a team number beyond the league) keeps the game's team.
    clsProject::Pair b = league.getMatchupBytes(selectedGame);
    int home = cmbHome->currentIndex() >= 0 ? cmbHome->currentIndex() : b[0];
    int away = cmbAway->currentIndex() >= 0 ? cmbAway->currentIndex() : b[1];
    league.setMatchupBytes(selectedGame, static_cast<std::uint8_t>(home), static_cast<std::uint8_t>(away));
    lstSchedule->item(selectedGame)->setText(UiText::fromRom(league.getMatchupStr(selectedGame)));
}

frmAllStar* frmMain::allStarWindow(bool create) {
    // A window closed a moment ago is on its way out; the next use loads a new one.
    frmAllStar* w = allStar_;
    if (w != nullptr && w->isUnloaded()) w = nullptr;
    if (w == nullptr && create) {
        w = new frmAllStar(this);
        allStar_ = w;
        // Slots mended in the window reach the league, and the status bar, when it closes.
        connect(w, &frmAllStar::slotsWritten, this, [this] { updateSpaceStatus(); });
    }
    return w;
}

void frmMain::cmdEditAllStar_Click() {
    frmAllStar* w = allStarWindow(true);
    w->show();
    w->raise();
    w->activateWindow();
}

#include "ui/windows/frmAllStar.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "session/Session.h"
#include "ui/widgets/CachedTextDelegate.h"
#include "ui/widgets/SelectionEvents.h"
#include "ui/widgets/UiText.h"

namespace {

constexpr int kSlots = 12;

// True when the pair names a player of a team's roster (a damaged roster table gives
// pairs such as team 92 or player 12).
bool namesPlayer(int team, int player) {
    return team >= 0 && team < clsProject::kTeams && player >= 0 && player < clsTeam::kRoster;
}

// The full name of a player of the league; empty for a pair that names no player.
QString playerName(const clsProject& league, int team, int player) {
    if (!namesPlayer(team, player)) return {};
    return UiText::fromRom(league.getTeamRef(team)->getPlayerRef(player)->getFullname());
}

QFrame* line(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

}  // namespace

frmAllStar::frmAllStar(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("frmAllStar"));
    setWindowFlag(Qt::Window, true);
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowTitle(QStringLiteral("All-Star Editor"));
    buildControls();
    Form_Load();
    observer_ = session_.observe([this](const LeagueEvent& event) { showChange(event); });
}

frmAllStar::~frmAllStar() { session_.forget(observer_); }

void frmAllStar::showChange(const LeagueEvent& event) {
    if (event.nature == LeagueEvent::Nature::Saved) return;
    if (event.nature == LeagueEvent::Nature::Replaced)
        Form_Load();
    else if (event.change.touches(LeagueChange::AllStars))
        rereadSlots();
    else if (event.change.touches(LeagueChange::TeamNames | LeagueChange::kPlayerKinds))
        refreshNames();
}

void frmAllStar::buildControls() {
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);

    auto* west = new QLabel(QStringLiteral("WEST"), this);
    auto* east = new QLabel(QStringLiteral("EAST"), this);
    west->setAlignment(Qt::AlignCenter);
    east->setAlignment(Qt::AlignCenter);
    grid->addWidget(west, 0, 0);
    grid->addWidget(east, 0, 1);

    lstWEST = new QListWidget(this);
    lstWEST->setItemDelegate(new CachedTextDelegate(lstWEST));
    lstWEST->setObjectName(QStringLiteral("lstWEST"));
    lstEAST = new QListWidget(this);
    lstEAST->setItemDelegate(new CachedTextDelegate(lstEAST));
    lstEAST->setObjectName(QStringLiteral("lstEAST"));
    for (QListWidget* list : {lstWEST, lstEAST}) {
        // Every entry is one line of a name that fits the list: the list measures one entry, not
        // each of them by laying its text out.
        list->setUniformItemSizes(true);
        list->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("WWWWWWWWWW WWWWWWWWWW")));
        list->setMinimumHeight(kSlots * (QFontMetrics(font()).height() + 2) + 8);
    }
    grid->addWidget(lstWEST, 1, 0);
    grid->addWidget(lstEAST, 1, 1);

    cmdChangeWest = new QPushButton(QStringLiteral("^"), this);
    cmdChangeWest->setObjectName(QStringLiteral("cmdChangeWest"));
    cmdChangeEast = new QPushButton(QStringLiteral("^"), this);
    cmdChangeEast->setObjectName(QStringLiteral("cmdChangeEast"));
    grid->addWidget(cmdChangeWest, 2, 0, Qt::AlignHCenter);
    grid->addWidget(cmdChangeEast, 2, 1, Qt::AlignHCenter);

    grid->addWidget(line(this), 3, 0, 1, 2);

    cmbTeam = new QComboBox(this);
    cmbTeam->setObjectName(QStringLiteral("cmbTeam"));
    cmbPlayer = new QComboBox(this);
    cmbPlayer->setObjectName(QStringLiteral("cmbPlayer"));
    grid->addWidget(cmbTeam, 4, 0);
    grid->addWidget(cmbPlayer, 4, 1);
    grid->addWidget(line(this), 5, 0, 1, 2);

    westClick_ = new ListClick(lstWEST, [this] { lstWEST_Click(); });
    eastClick_ = new ListClick(lstEAST, [this] { lstEAST_Click(); });
    teamClick_ = new ComboClick(cmbTeam, [this] { cmbTeam_Click(); });
    connect(cmdChangeWest, &QPushButton::clicked, this, [this] { cmdChangeWest_Click(); });
    connect(cmdChangeEast, &QPushButton::clicked, this, [this] { cmdChangeEast_Click(); });
}

QString frmAllStar::nameOf(int team, int player) const { return playerName(session_.league(), team, player); }

void frmAllStar::Form_Load() {
    loadWestList();
    loadEastList();
    eastClick_->select(0);
    westClick_->select(0);
}

void frmAllStar::store() {
    session_.edit("All-Stars", LeagueChange::ofAllStars(), [this](clsProject& league) {
        for (int i = 0; i < kSlots; ++i) {
            auto idx = static_cast<std::size_t>(i);
            league.setWestAllStar(i, westSlots[idx][0], westSlots[idx][1]);
            league.setEastAllStar(i, eastSlots[idx][0], eastSlots[idx][1]);
        }
    });
}

void frmAllStar::rereadSlots() {
    for (int i = 0; i < kSlots; ++i) {
        const clsProject::Pair west = session_.league().getWestAllStar(i);
        const clsProject::Pair east = session_.league().getEastAllStar(i);
        westSlots[static_cast<std::size_t>(i)] = {west[0], west[1]};
        eastSlots[static_cast<std::size_t>(i)] = {east[0], east[1]};
    }
    refreshNames();
    listClick(eastSelected);
}

void frmAllStar::refreshNames() {
    for (int i = 0; i < kSlots; ++i) {
        auto idx = static_cast<std::size_t>(i);
        lstWEST->item(i)->setText(nameOf(westSlots[idx][0], westSlots[idx][1]));
        lstEAST->item(i)->setText(nameOf(eastSlots[idx][0], eastSlots[idx][1]));
    }
    // The choice in the two lists below stays; only their texts change.
    for (int t = 0; t < cmbTeam->count() && t < clsProject::kTeams; ++t)
        cmbTeam->setItemText(t, UiText::fromRom(session_.league().getTeamRef(t)->getAbrev()));
    for (int p = 0; p < cmbPlayer->count(); ++p) cmbPlayer->setItemText(p, nameOf(cmbTeam->currentIndex(), p));
}

// Every change went into the league as it was made: closing writes nothing.
void frmAllStar::closeEvent(QCloseEvent* e) {
    unloaded_ = true;
    e->accept();
}

void frmAllStar::loadWestList() { loadList(false); }
void frmAllStar::loadEastList() { loadList(true); }

void frmAllStar::loadList(bool east) {
    QListWidget* list = east ? lstEAST : lstWEST;
    QSignalBlocker block(list);
    list->clear();
    QStringList names;
    for (int i = 0; i < kSlots; ++i) {
        const clsProject::Pair b = east ? session_.league().getEastAllStar(i) : session_.league().getWestAllStar(i);
        (east ? eastSlots : westSlots)[static_cast<std::size_t>(i)] = {b[0], b[1]};
        names << nameOf(b[0], b[1]);
    }
    list->addItems(names);
}

void frmAllStar::fillTeamCombo() {
    QSignalBlocker block(cmbTeam);
    cmbTeam->clear();
    QStringList teams;
    for (int t = 0; t < clsProject::kTeams; ++t) teams << UiText::fromRom(session_.league().getTeamRef(t)->getAbrev());
    cmbTeam->addItems(teams);
}

void frmAllStar::fillPlayerCombo(int team) {
    QSignalBlocker block(cmbPlayer);
    cmbPlayer->clear();
    if (team < 0 || team >= clsProject::kTeams) return;
    QStringList players;
    for (int p = 0; p < clsTeam::kRoster; ++p) players << nameOf(team, p);
    cmbPlayer->addItems(players);
}

void frmAllStar::lstWEST_Click() { listClick(false); }
void frmAllStar::lstEAST_Click() { listClick(true); }

void frmAllStar::listClick(bool east) {
    eastSelected = east;
    fillTeamCombo();
    QListWidget* list = east ? lstEAST : lstWEST;
    int i = list->currentRow();
    if (i < 0 || i >= kSlots) return;
    const Slot slot = (east ? eastSlots : westSlots)[static_cast<std::size_t>(i)];
    // An empty entry (a slot naming no player) shows its team when the league has it,
    // else team 0, and the team's first player: a starting point for the replacement.
    const bool named = namesPlayer(slot[0], slot[1]);
    const int team = slot[0] < clsProject::kTeams ? slot[0] : 0;
    fillPlayerCombo(team);
    teamClick_->select(team);
    QSignalBlocker block(cmbPlayer);
    cmbPlayer->setCurrentIndex(named ? slot[1] : 0);
}

void frmAllStar::cmbTeam_Click() {
    const int shown = std::max(cmbPlayer->currentIndex(), 0);
    fillPlayerCombo(cmbTeam->currentIndex());
    // Picking another team keeps the roster position of the slot's player; for an empty
    // entry, the position the player list showed.
    QListWidget* list = eastSelected ? lstEAST : lstWEST;
    int i = list->currentRow();
    if (i < 0 || i >= kSlots) return;
    const Slot slot = (eastSelected ? eastSlots : westSlots)[static_cast<std::size_t>(i)];
    const int player = namesPlayer(slot[0], slot[1]) ? slot[1] : shown;
    QSignalBlocker block(cmbPlayer);
    cmbPlayer->setCurrentIndex(player < cmbPlayer->count() ? player : -1);
}

void frmAllStar::cmdChangeWest_Click() { changeSlot(false); }
void frmAllStar::cmdChangeEast_Click() { changeSlot(true); }

void frmAllStar::changeSlot(bool east) {
    QListWidget* list = east ? lstEAST : lstWEST;
    int s = list->currentRow();
    int team = cmbTeam->currentIndex();
    int player = cmbPlayer->currentIndex();
    if (s < 0 || s >= kSlots || team < 0 || player < 0) return;
    (east ? eastSlots : westSlots)[static_cast<std::size_t>(s)] = {static_cast<std::uint8_t>(team),
                                                                   static_cast<std::uint8_t>(player)};
    list->item(s)->setText(nameOf(team, player));
    (east ? eastClick_ : westClick_)->select(s);
    store();
}

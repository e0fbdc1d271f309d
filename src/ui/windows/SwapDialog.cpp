#include "ui/windows/SwapDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/widgets/OkCancelRow.h"
#include "ui/widgets/UiText.h"

namespace {

QString teamText(const clsTeam& team) {
    return UiText::fromRom(team.getCity()) + QLatin1Char(' ') + UiText::fromRom(team.getMascot());
}

}  // namespace

SwapDialog::SwapDialog(const clsProject& league, Trade::Place first, QWidget* parent)
    : QDialog(parent), league_(league), first_(first) {
    setObjectName(QStringLiteral("frmSwapPlayers"));
    setWindowTitle(QStringLiteral("Swap Players"));
    auto* grid = new QGridLayout(this);

    const clsTeam& team = *league.getTeamRef(first.team);
    lblFirst = new QLabel(
        QStringLiteral("Swap %1 of %2 with:").arg(UiText::playerText(*team.getPlayerRef(first.slot)), teamText(team)),
        this);
    lblFirst->setObjectName(QStringLiteral("lblFirst"));
    grid->addWidget(lblFirst, 0, 0, 1, 2);

    auto* teamLabel = new QLabel(QStringLiteral("&Team:"), this);
    auto* playerLabel = new QLabel(QStringLiteral("&Player:"), this);
    cmbTeam = new QComboBox(this);
    cmbTeam->setObjectName(QStringLiteral("cmbTeam"));
    cmbPlayer = new QComboBox(this);
    cmbPlayer->setObjectName(QStringLiteral("cmbPlayer"));
    teamLabel->setBuddy(cmbTeam);
    playerLabel->setBuddy(cmbPlayer);
    grid->addWidget(teamLabel, 1, 0);
    grid->addWidget(cmbTeam, 1, 1);
    grid->addWidget(playerLabel, 2, 0);
    grid->addWidget(cmbPlayer, 2, 1);

    const OkCancelRow buttons(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    grid->addLayout(buttons.layout, 3, 0, 1, 2);

    QStringList teams;
    for (int t = 0; t < clsProject::kTeams; ++t) teams << teamText(*league.getTeamRef(t));
    cmbTeam->addItems(teams);
    cmbTeam->setCurrentIndex(first.team);
    fillPlayers(first.team);
    cmbPlayer->setCurrentIndex(first.slot);
    choiceChanged();

    // Another team keeps the roster position shown, as the all-star editor's lists do.
    connect(cmbTeam, &QComboBox::currentIndexChanged, this, [this](int t) {
        const int slot = cmbPlayer->currentIndex();
        fillPlayers(t);
        cmbPlayer->setCurrentIndex(slot);
        choiceChanged();
    });
    connect(cmbPlayer, &QComboBox::currentIndexChanged, this, [this] { choiceChanged(); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SwapDialog::fillPlayers(int team) {
    QSignalBlocker block(cmbPlayer);
    cmbPlayer->clear();
    const clsTeam* t = league_.getTeamRef(team);
    if (t == nullptr) return;
    QStringList players;
    for (int p = 0; p < clsTeam::kRoster; ++p) players << UiText::playerText(*t->getPlayerRef(p));
    cmbPlayer->addItems(players);
}

Trade::Place SwapDialog::chosen() const { return {cmbTeam->currentIndex(), cmbPlayer->currentIndex()}; }

void SwapDialog::choiceChanged() {
    const Trade::Place place = chosen();
    cmdOK->setEnabled(Trade::isRosterPlace(place) && place != first_);
}

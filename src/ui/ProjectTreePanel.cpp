#include "ui/ProjectTreePanel.h"

#include <QKeyEvent>
#include <algorithm>

#include "base/TextNumber.h"
#include "session/Session.h"
#include "ui/UiText.h"

using UiText::fromRom;

namespace {

constexpr int kKeyRole = Qt::UserRole;

int teamNodeIndex(int team) { return 2 + 13 * team; }
int playerNodeIndex(int team, int player) { return 3 + 13 * team + player; }

// The whole-number value of a text as the key lookups read it.
int keyNumber(const QString& text) {
    return static_cast<int>(TextNumber::roundHalfEven(TextNumber::value(UiText::toRom(text))));
}

}  // namespace

ProjectTreePanel::ProjectTreePanel(const Session& session, QWidget* parent) : QTreeWidget(parent), session_(session) {
    setObjectName(QStringLiteral("tvProject"));
    setColumnCount(1);
    setHeaderHidden(true);
    setMinimumWidth(230);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) { nodeChosen(item); });
}

QString ProjectTreePanel::playerText(int team, int player) const {
    const clsTeam* t = session_.league().getTeamRef(team);
    const clsPlayer* p = t != nullptr ? t->getPlayerRef(player) : nullptr;
    if (p == nullptr) return {};
    return UiText::padded(p->getJersey(), 2) + QLatin1Char('-') + fromRom(p->getFullname());
}

QString ProjectTreePanel::teamText(int team) const {
    const clsTeam* t = session_.league().getTeamRef(team);
    return t != nullptr ? fromRom(t->getCity()) + QLatin1Char(' ') + fromRom(t->getMascot()) : QString();
}

void ProjectTreePanel::build() {
    clear();
    nodes_.clear();
    nodes_.reserve(1 + clsProject::kTeams * 13);

    auto* root = new QTreeWidgetItem(this, QStringList(QStringLiteral("NBA")));
    root->setData(0, kKeyRole, QStringLiteral("Project"));
    nodes_.push_back(root);

    int k = 0;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        auto* teamNode = new QTreeWidgetItem(root, QStringList(teamText(t)));
        teamNode->setData(0, kKeyRole, QStringLiteral("Team%1").arg(t));
        nodes_.push_back(teamNode);
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            auto* playerNode = new QTreeWidgetItem(teamNode, QStringList(playerText(t, p)));
            playerNode->setData(0, kKeyRole, QStringLiteral("Player%1").arg(k));
            nodes_.push_back(playerNode);
            ++k;
        }
    }
    root->setExpanded(true);
}

QTreeWidgetItem* ProjectTreePanel::node(int index) const {
    if (index < 1 || index > static_cast<int>(nodes_.size())) return nullptr;
    return nodes_[static_cast<std::size_t>(index - 1)];
}

void ProjectTreePanel::showFirstPlayer() {
    if (QTreeWidgetItem* team = node(teamNodeIndex(0))) team->setExpanded(true);
    if (QTreeWidgetItem* player = node(playerNodeIndex(0, 0))) setCurrentItem(player);
}

void ProjectTreePanel::setNodeText(int index, const QString& text) {
    if (QTreeWidgetItem* n = node(index)) n->setText(0, text);
}

void ProjectTreePanel::relabelTeam(int team) {
    const clsTeam* t = session_.league().getTeamRef(team);
    if (t == nullptr) return;
    setNodeText(teamNodeIndex(team), fromRom(t->getCity()).toUpper() + QLatin1Char(' ') + fromRom(t->getMascot()));
}

void ProjectTreePanel::relabelPlayer(int team, int player) {
    if (team < 0 || team >= clsProject::kTeams || player < 0 || player >= clsTeam::kRoster) return;
    setNodeText(playerNodeIndex(team, player), playerText(team, player));
}

void ProjectTreePanel::relabelAll() {
    for (int t = 0; t < clsProject::kTeams; ++t) {
        setNodeText(teamNodeIndex(t), teamText(t));
        for (int p = 0; p < clsTeam::kRoster; ++p) setNodeText(playerNodeIndex(t, p), playerText(t, p));
    }
}

void ProjectTreePanel::showNode(QTreeWidgetItem* n) {
    if (n == nullptr) return;
    for (QTreeWidgetItem* up = n->parent(); up != nullptr; up = up->parent()) up->setExpanded(true);
    setCurrentItem(n);
    scrollToItem(n);
}

void ProjectTreePanel::showTeam(int team) {
    if (team >= 0 && team < clsProject::kTeams) showNode(node(teamNodeIndex(team)));
}

void ProjectTreePanel::showPlayer(int team, int player) {
    if (team >= 0 && team < clsProject::kTeams && player >= 0 && player < clsTeam::kRoster)
        showNode(node(playerNodeIndex(team, player)));
}

void ProjectTreePanel::nodeChosen(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    const QString key = item->data(0, kKeyRole).toString();
    if (key.contains(QLatin1String("Team"))) {
        emit teamChosen(std::clamp(keyNumber(key.mid(4)), 0, clsProject::kTeams - 1));
    } else if (key.contains(QLatin1String("Player"))) {
        const int k = std::clamp(keyNumber(key.mid(6)), 0, clsProject::kTeams * clsTeam::kRoster - 1);
        emit playerChosen(k / clsTeam::kRoster, k % clsTeam::kRoster);
    }
}

// Moving through the tree with the keyboard chooses the node reached, as a click does.
void ProjectTreePanel::keyPressEvent(QKeyEvent* e) {
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(e);
    QTreeWidgetItem* after = currentItem();
    if (after != nullptr && after != before) nodeChosen(after);
}

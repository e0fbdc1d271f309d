#include "ui/panels/ProjectTreePanel.h"

#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>
#include <algorithm>

#include "base/TextNumber.h"
#include "session/Session.h"
#include "ui/panels/EditorSelection.h"
#include "ui/panels/SessionSignals.h"
#include "ui/widgets/CachedTextDelegate.h"
#include "ui/widgets/LazyIconStyle.h"
#include "ui/widgets/SteadyActivation.h"
#include "ui/widgets/UiText.h"

using UiText::fromRom;

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kRecentRole = Qt::UserRole + 1;  // the index of a recent file shown before the first league

constexpr std::size_t kNodes = 1 + clsProject::kTeams * (1 + clsTeam::kRoster);

int teamNodeIndex(int team) { return 2 + 13 * team; }
int playerNodeIndex(int team, int player) { return 3 + 13 * team + player; }

// The whole-number value of a text as the key lookups read it.
int keyNumber(const QString& text) {
    return static_cast<int>(TextNumber::roundHalfEven(TextNumber::value(UiText::toRom(text))));
}

// The roster place of a player key ("Player25": team 2, slot 1); none for any other key.
std::optional<Trade::Place> placeOfKey(const QString& key) {
    if (!key.contains(QLatin1String("Player"))) return std::nullopt;
    const int k = std::clamp(keyNumber(key.mid(6)), 0, clsProject::kTeams * clsTeam::kRoster - 1);
    return Trade::Place{k / clsTeam::kRoster, k % clsTeam::kRoster};
}

// Only player nodes are dragged and dropped onto.
void setDraggable(QTreeWidgetItem* node, bool draggable) {
    const Qt::ItemFlags dragDrop = Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    node->setFlags(draggable ? node->flags() | dragDrop : node->flags() & ~dragDrop);
}

}  // namespace

ProjectTreePanel::ProjectTreePanel(const Session& session, const EditorSelection& selection, SessionSignals& events,
                                   QWidget* parent)
    : QTreeWidget(parent), session_(session), selection_(selection) {
    setObjectName(QStringLiteral("tvProject"));
    setColumnCount(1);
    setHeaderHidden(true);
    setMinimumWidth(230);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformRowHeights(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false);       // a trade drops onto a node, never between two
    setAutoExpandDelay(600);            // a team held under the cursor opens to show its players
    setTextElideMode(Qt::ElideMiddle);  // a long path keeps its file name in sight
    new SteadyActivation(this);
    setItemDelegate(new CachedTextDelegate(this));
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) { nodeChosen(item); });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        const QVariant recent = item->data(0, kRecentRole);
        if (recent.isValid()) emit recentChosen(recent.toInt());
    });
    connect(&events, &SessionSignals::heard, this, &ProjectTreePanel::showChange);
}

void ProjectTreePanel::showChange(const LeagueEvent& event) {
    if (event.nature == LeagueEvent::Nature::Saved) return;
    if (event.nature == LeagueEvent::Nature::Replaced) {
        if (nodes_.empty())
            build();
        else
            showAnew();
        showPlayer(selection_.team, selection_.player);
        return;
    }
    const LeagueChange& change = event.change;
    if ((change.kinds & LeagueChange::League) != 0) {
        relabelAll();
        return;
    }
    if ((change.kinds & LeagueChange::TeamNames) != 0)
        for (int team : change.teams) relabelTeam(team);
    if ((change.kinds & LeagueChange::kPlayerKinds) != 0)
        for (const Trade::Place& place : change.players) relabelPlayer(place.team, place.slot);
    // A trade moved the selection with its player: his node becomes the current one.
    if ((change.kinds & LeagueChange::RosterOrder) != 0 && change.touchesPlayer(selection_.place()))
        showPlayer(selection_.team, selection_.player);
}

QString ProjectTreePanel::playerText(int team, int player) const {
    const clsTeam* t = session_.league().getTeamRef(team);
    const clsPlayer* p = t != nullptr ? t->getPlayerRef(player) : nullptr;
    return p != nullptr ? UiText::playerText(*p) : QString();
}

QString ProjectTreePanel::teamText(int team) const {
    const clsTeam* t = session_.league().getTeamRef(team);
    return t != nullptr ? fromRom(t->getCity()) + QLatin1Char(' ') + fromRom(t->getMascot()) : QString();
}

void ProjectTreePanel::showStart(const QStringList& recentFiles) {
    clear();
    nodes_.clear();
    setRootIsDecorated(false);
    const auto line = [this](const QString& text, Qt::ItemFlags flags) {
        auto* item = new QTreeWidgetItem(this, QStringList(text));
        item->setFlags(flags);
        return item;
    };
    line(QStringLiteral("Open a .nes or .smc image with File > Open (Ctrl+O),"), Qt::ItemIsEnabled);
    line(QStringLiteral("or drop one here"), Qt::ItemIsEnabled);
    if (recentFiles.isEmpty()) return;
    line(QString(), Qt::NoItemFlags);
    line(QStringLiteral("Recent files:"), Qt::ItemIsEnabled);
    for (int i = 0; i < recentFiles.size(); ++i) {
        QTreeWidgetItem* file =
            line(QDir::toNativeSeparators(recentFiles[i]), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        file->setData(0, kRecentRole, i);
        file->setToolTip(0, QStringLiteral("Double-click to open"));
    }
}

// The nodes are made apart from the tree and handed to it in one piece.
void ProjectTreePanel::build() {
    clear();
    nodes_.clear();
    setRootIsDecorated(true);
    nodes_.reserve(1 + clsProject::kTeams * 13);

    auto* root = new QTreeWidgetItem(QStringList(QStringLiteral("NBA")));
    root->setData(0, kKeyRole, QStringLiteral("Project"));
    setDraggable(root, false);
    nodes_.push_back(root);

    int k = 0;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        auto* teamNode = new QTreeWidgetItem(root, QStringList(teamText(t)));
        teamNode->setData(0, kKeyRole, QStringLiteral("Team%1").arg(t));
        setDraggable(teamNode, false);
        nodes_.push_back(teamNode);
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            auto* playerNode = new QTreeWidgetItem(teamNode, QStringList(playerText(t, p)));
            playerNode->setData(0, kKeyRole, QStringLiteral("Player%1").arg(k));
            setDraggable(playerNode, true);
            nodes_.push_back(playerNode);
            ++k;
        }
    }
    addTopLevelItem(root);
    root->setExpanded(true);
}

// The tree as a build leaves it, from the nodes there are: the root open, every team closed
// but the selection's (which is shown next), the top in sight and each node's text from the
// league.
void ProjectTreePanel::showAnew() {
    clearSelection();
    for (int t = 0; t < clsProject::kTeams; ++t) {
        QTreeWidgetItem* n = node(teamNodeIndex(t));
        if (t != selection_.team && n->isExpanded()) n->setExpanded(false);
    }
    relabelAll();
    node(1)->setExpanded(true);
    scrollToTop();
}

QTreeWidgetItem* ProjectTreePanel::node(int index) const {
    if (index < 1 || index > static_cast<int>(nodes_.size())) return nullptr;
    return nodes_[static_cast<std::size_t>(index - 1)];
}

void ProjectTreePanel::setNodeText(int index, const QString& text) {
    QTreeWidgetItem* n = node(index);
    if (n != nullptr && n->text(0) != text) n->setText(0, text);
}

void ProjectTreePanel::relabelTeam(int team) {
    const clsTeam* t = session_.league().getTeamRef(team);
    if (t == nullptr) return;
    setNodeText(teamNodeIndex(team), fromRom(t->getCity()).toUpper() + QLatin1Char(' ') + fromRom(t->getMascot()));
}

void ProjectTreePanel::relabelPlayer(int team, int player) {
    if (!Trade::isRosterPlace({team, player})) return;
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
    for (QTreeWidgetItem* up = n->parent(); up != nullptr; up = up->parent())
        if (!up->isExpanded()) up->setExpanded(true);
    if (currentItem() != n) setCurrentItem(n);
    scrollToItem(n);
}

void ProjectTreePanel::showTeam(int team) {
    if (team >= 0 && team < clsProject::kTeams) showNode(node(teamNodeIndex(team)));
}

void ProjectTreePanel::showPlayer(int team, int player) {
    if (!Trade::isRosterPlace({team, player})) return;
    showNode(node(playerNodeIndex(team, player)));
    shownSinceDrag_ = true;
}

std::optional<Trade::Place> ProjectTreePanel::placeOf(const QTreeWidgetItem* node) {
    return node != nullptr ? placeOfKey(node->data(0, kKeyRole).toString()) : std::nullopt;
}

void ProjectTreePanel::nodeChosen(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    const QString key = item->data(0, kKeyRole).toString();
    if (key.contains(QLatin1String("Team"))) {
        emit teamChosen(std::clamp(keyNumber(key.mid(4)), 0, clsProject::kTeams - 1));
    } else if (const std::optional<Trade::Place> place = placeOfKey(key)) {
        emit playerChosen(place->team, place->slot);
    }
}

// Moving through the tree with the keyboard chooses the node reached, as a click does.
void ProjectTreePanel::keyPressEvent(QKeyEvent* e) {
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(e);
    QTreeWidgetItem* after = currentItem();
    if (after != nullptr && after != before) nodeChosen(after);
}

// ---------------------------------------------------------------------------------------
// The focus

// A view repaints every row when it gains or loses the focus. Drawn by the Fusion style from a
// palette that is the same for an active and an inactive window, the rows differ only in the
// current node's focus frame: only that row is repainted, and the frame around the tree, which
// shows the focus too.
bool ProjectTreePanel::onlyTheCurrentNodeShowsTheFocus() const {
    return LazyIconStyle::isFusion(style()) && palette().isEqual(QPalette::Active, QPalette::Inactive);
}

// The frame around the rows and the current row: what the focus changes.
void ProjectTreePanel::repaintFocusMarks() {
    update(QRegion(rect()).subtracted(QRegion(contentsRect())));
    const QRect row = visualRect(currentIndex());
    if (row.isValid()) viewport()->update(QRect(0, row.top(), viewport()->width(), row.height()));
}

void ProjectTreePanel::focusInEvent(QFocusEvent* e) {
    if (!onlyTheCurrentNodeShowsTheFocus()) {
        QTreeWidget::focusInEvent(e);
        return;
    }
    // As the view would: the focus reached by the keyboard without a current node makes the first one current.
    if (!currentIndex().isValid() && e->reason() != Qt::MouseFocusReason) {
        const QModelIndex first = moveCursor(MoveNext, Qt::NoModifier);
        if (first.isValid() && (first.flags() & Qt::ItemIsEnabled) != 0)
            selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    }
    setAttribute(Qt::WA_InputMethodEnabled, (currentIndex().flags() & Qt::ItemIsEditable) != 0);
    repaintFocusMarks();
}

void ProjectTreePanel::focusOutEvent(QFocusEvent* e) {
    if (!onlyTheCurrentNodeShowsTheFocus()) {
        QTreeWidget::focusOutEvent(e);
        return;
    }
    repaintFocusMarks();
}

// ---------------------------------------------------------------------------------------
// Several players: the selection and a filter

std::vector<Trade::Place> ProjectTreePanel::selectedPlayers() const {
    std::vector<Trade::Place> places;
    if (nodes_.size() != kNodes) return places;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const QTreeWidgetItem* team = node(teamNodeIndex(t));
        if (team->isHidden()) continue;
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            const QTreeWidgetItem* player = node(playerNodeIndex(t, p));
            if (!player->isHidden() && (team->isSelected() || player->isSelected())) places.push_back({t, p});
        }
    }
    return places;
}

// Nodes are hidden and shown only where that changes, then the teams shown are opened: the
// tree lays itself out once, when it is next drawn.
void ProjectTreePanel::showOnlyPlayers(const std::vector<Trade::Place>* places) {
    if (nodes_.size() != kNodes) return;
    if (places == nullptr) {
        if (openBeforeFilter_.size() != nodes_.size()) return;
        for (QTreeWidgetItem* n : nodes_)
            if (n->isHidden()) n->setHidden(false);
        for (std::size_t i = 0; i < nodes_.size(); ++i) nodes_[i]->setExpanded(openBeforeFilter_[i] != 0);
        openBeforeFilter_.clear();
        if (currentItem() != nullptr) scrollToItem(currentItem());
        return;
    }
    if (openBeforeFilter_.size() != nodes_.size()) {
        openBeforeFilter_.resize(nodes_.size());
        for (std::size_t i = 0; i < nodes_.size(); ++i) openBeforeFilter_[i] = nodes_[i]->isExpanded() ? 1 : 0;
    }
    std::vector<char> shown(nodes_.size(), 0);
    shown[0] = 1;
    for (const Trade::Place& place : *places) {
        if (!Trade::isRosterPlace(place)) continue;
        shown[static_cast<std::size_t>(teamNodeIndex(place.team) - 1)] = 1;
        shown[static_cast<std::size_t>(playerNodeIndex(place.team, place.slot) - 1)] = 1;
    }
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i]->isHidden() == (shown[i] != 0)) nodes_[i]->setHidden(shown[i] == 0);
    for (int t = 0; t < clsProject::kTeams; ++t) {
        QTreeWidgetItem* team = node(teamNodeIndex(t));
        if (shown[static_cast<std::size_t>(teamNodeIndex(t) - 1)] != 0 && !team->isExpanded()) team->setExpanded(true);
    }
}

// ---------------------------------------------------------------------------------------
// Trades by drag and drop

void ProjectTreePanel::mousePressEvent(QMouseEvent* e) {
    beforePress_ = QPersistentModelIndex(currentIndex());
    QTreeWidget::mousePressEvent(e);
}

QStringList ProjectTreePanel::mimeTypes() const { return {QString::fromLatin1(kPlayerMimeType)}; }

QMimeData* ProjectTreePanel::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.size() != 1 || !placeOf(items.front())) return nullptr;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kPlayerMimeType), items.front()->data(0, kKeyRole).toString().toLatin1());
    return data;
}

// The press that starts a drag makes the dragged node current without choosing it; unless
// a trade then placed the selection, the node the editors show becomes current again. Nothing
// is removed whatever the drop did: the trade itself renames the nodes. A drag begun on one
// of several selected players is refused, the selection kept.
void ProjectTreePanel::startDrag(Qt::DropActions) {
    int players = 0;
    for (const QTreeWidgetItem* item : selectedItems()) players += placeOf(item) && !item->isHidden() ? 1 : 0;
    if (players > 1) {
        if (beforePress_.isValid()) selectionModel()->setCurrentIndex(beforePress_, QItemSelectionModel::NoUpdate);
        emit severalDragged(players);
        return;
    }
    QMimeData* data = mimeData({currentItem()});
    if (data == nullptr) return;
    shownSinceDrag_ = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction, Qt::MoveAction);
    if (!shownSinceDrag_ && beforePress_.isValid()) setCurrentIndex(beforePress_);
}

bool ProjectTreePanel::tradeAt(const QDropEvent* e, Trade::Place& from, Trade::Place& onto) const {
    const QMimeData* data = e->mimeData();
    if (data == nullptr || !data->hasFormat(QString::fromLatin1(kPlayerMimeType))) return false;
    const std::optional<Trade::Place> dragged =
        placeOfKey(QString::fromLatin1(data->data(QString::fromLatin1(kPlayerMimeType))));
    const std::optional<Trade::Place> target = placeOf(itemAt(e->position().toPoint()));
    if (!dragged || !target || *dragged == *target) return false;
    from = *dragged;
    onto = *target;
    return true;
}

void ProjectTreePanel::dragEnterEvent(QDragEnterEvent* e) {
    QTreeWidget::dragEnterEvent(e);  // the drag state, for scrolling at the edges
    const QMimeData* data = e->mimeData();
    e->setAccepted(data != nullptr && data->hasFormat(QString::fromLatin1(kPlayerMimeType)));
}

// Accepted over another player node only, so that the cursor tells where a drop trades.
void ProjectTreePanel::dragMoveEvent(QDragMoveEvent* e) {
    QTreeWidget::dragMoveEvent(e);  // scrolling at the edges, opening a team held under the cursor
    Trade::Place from;
    Trade::Place onto;
    if (tradeAt(e, from, onto)) {
        e->setDropAction(Qt::MoveAction);
        e->accept();
    } else {
        e->ignore();
    }
}

void ProjectTreePanel::dropEvent(QDropEvent* e) {
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    Trade::Place from;
    Trade::Place onto;
    if (!tradeAt(e, from, onto)) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
    emit playerDropped(from.team, from.slot, onto.team, onto.slot);
}

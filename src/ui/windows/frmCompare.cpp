#include "ui/windows/frmCompare.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>
#include <map>

#include "session/Session.h"
#include "ui/commands/CommandRunner.h"
#include "ui/widgets/UiText.h"

namespace {

using LeagueDiff::Difference;
using LeagueDiff::Group;

// What an item of the tree stands for.
constexpr int kLineRole = Qt::UserRole;      // a line: its index among the differences
constexpr int kKeyRole = Qt::UserRole + 1;   // a group or team: its key, for keeping it folded
constexpr int kNameRole = Qt::UserRole + 2;  // a group or team: its name without the count
constexpr int kTeamRole = Qt::UserRole + 3;  // a team: its index

QString groupName(Group group) {
    switch (group) {
        case Group::Teams:
            return QStringLiteral("Teams");
        case Group::Players:
            return QStringLiteral("Players");
        case Group::Schedule:
            return QStringLiteral("Schedule");
        case Group::AllStars:
            break;
    }
    return QStringLiteral("All-Stars");
}

constexpr Qt::ItemFlags kCheckable = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;

QTreeWidgetItem* parentNode(QTreeWidgetItem* parent, const QString& name, const QString& key) {
    auto* item = new QTreeWidgetItem(parent);
    item->setFlags(kCheckable | Qt::ItemIsAutoTristate);
    item->setData(0, kNameRole, name);
    item->setData(0, kKeyRole, key);
    return item;
}

// The lines under a node, and how many of them are shown.
void countShown(QTreeWidgetItem* node, int& shown) {
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem* child = node->child(i);
        if (child->data(0, kLineRole).isValid()) {
            shown += child->isHidden() ? 0 : 1;
        } else {
            int inside = 0;
            countShown(child, inside);
            shown += inside;
        }
    }
}

}  // namespace

frmCompare::frmCompare(Session& session, CommandRunner& runner, clsProject other, const QString& otherName,
                       QWidget* parent)
    : QWidget(parent), session_(session), runner_(runner), other_(std::move(other)) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowFlag(Qt::Window, true);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Compare With %1").arg(otherName));
    auto* column = new QVBoxLayout(this);
    auto* filterRow = new QHBoxLayout();
    auto* filterLabel = new QLabel(QStringLiteral("&Filter:"), this);
    txtDiffFilter = new QLineEdit(this);
    txtDiffFilter->setObjectName(QStringLiteral("txtDiffFilter"));
    txtDiffFilter->setClearButtonEnabled(true);
    filterLabel->setBuddy(txtDiffFilter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(txtDiffFilter, 1);
    column->addLayout(filterRow);

    tvwDifferences = new QTreeWidget(this);
    tvwDifferences->setObjectName(QStringLiteral("tvwDifferences"));
    tvwDifferences->setHeaderHidden(true);
    tvwDifferences->setMinimumSize(480, 420);
    column->addWidget(tvwDifferences, 1);

    auto* buttons = new QHBoxLayout();
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    cmdTake = new QPushButton(QStringLiteral("&Take Selected"), this);
    cmdTake->setObjectName(QStringLiteral("cmdTake"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(lblCount, 1);
    buttons->addWidget(cmdTake);
    buttons->addWidget(cmdClose);
    column->addLayout(buttons);

    connect(txtDiffFilter, &QLineEdit::textChanged, this, &frmCompare::applyFilter);
    // A group checked checks each of its lines: their checks are noted once, afterwards.
    checksLater_.setSingleShot(true);
    connect(&checksLater_, &QTimer::timeout, this, &frmCompare::noteChecks);
    connect(tvwDifferences, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        if (building_) return;
        if (item->checkState(0) != Qt::Unchecked && !item->isHidden()) cmdTake->setEnabled(true);
        checksLater_.start(0);
    });
    connect(tvwDifferences, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { folded_.erase(item->data(0, kKeyRole).toString()); });
    connect(tvwDifferences, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { folded_.insert(item->data(0, kKeyRole).toString()); });
    connect(tvwDifferences, &QTreeWidget::itemDoubleClicked, this, &frmCompare::lineChosen);
    runner_.bind(cmdTake, [this] { takeChecked(); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    observer_ = session_.observe([this](const LeagueEvent& event) {
        if (event.nature == LeagueEvent::Nature::Saved) return;
        // Another file's league (an open, a reload) was not what the other one was read beside.
        if (event.nature == LeagueEvent::Nature::Replaced) return (void)close();
        refresh();
    });
    refresh();
}

frmCompare::~frmCompare() { session_.forget(observer_); }

void frmCompare::refresh() {
    noteChecks();
    differences_ = LeagueDiff::compare(session_.league(), other_);
    building_ = true;
    tvwDifferences->clear();
    std::map<Group, QTreeWidgetItem*> groups;
    std::map<std::pair<Group, int>, QTreeWidgetItem*> teams;
    for (std::size_t i = 0; i < differences_.size(); ++i) {
        const Difference& d = differences_[i];
        const Group group = d.group();
        QTreeWidgetItem*& top = groups[group];
        if (top == nullptr) top = parentNode(tvwDifferences->invisibleRootItem(), groupName(group), groupName(group));
        QTreeWidgetItem* parent = top;
        if (group == Group::Teams || group == Group::Players) {
            QTreeWidgetItem*& byTeam = teams[{group, d.team}];
            if (byTeam == nullptr) {
                const clsTeam& t = *session_.league().getTeamRef(d.team);
                byTeam = parentNode(top, QStringLiteral("team %1 %2").arg(d.team).arg(UiText::fromRom(t.getCity())),
                                    groupName(group) + QString::number(d.team));
                byTeam->setData(0, kTeamRole, d.team);
            }
            parent = byTeam;
        }
        auto* line = new QTreeWidgetItem(parent, {QString::fromStdString(d.text())});
        line->setFlags(kCheckable);
        line->setData(0, kLineRole, static_cast<int>(i));
        line->setCheckState(0, checked_.contains(d.text()) ? Qt::Checked : Qt::Unchecked);
    }
    // Open unless the user folded them; a fresh window shows each group with its teams folded.
    for (QTreeWidgetItemIterator it(tvwDifferences); *it != nullptr; ++it) {
        QTreeWidgetItem* item = *it;
        if (item->data(0, kLineRole).isValid()) continue;
        const QString key = item->data(0, kKeyRole).toString();
        item->setExpanded(!folded_.contains(key) && (item->parent() == nullptr || differences_.size() <= 40));
    }
    building_ = false;
    applyFilter();
}

void frmCompare::applyFilter() {
    building_ = true;
    const QString filter = txtDiffFilter->text().trimmed();
    // Shown: a line holding the text; a group or team with a line shown.
    const std::function<bool(QTreeWidgetItem*)> show = [&](QTreeWidgetItem* item) {
        bool shown = false;
        if (item->data(0, kLineRole).isValid()) {
            shown = filter.isEmpty() || item->text(0).contains(filter, Qt::CaseInsensitive);
        } else {
            for (int i = 0; i < item->childCount(); ++i) shown = show(item->child(i)) || shown;
            int count = 0;
            countShown(item, count);
            item->setText(0, QStringLiteral("%1 (%2)").arg(item->data(0, kNameRole).toString()).arg(count));
        }
        item->setHidden(!shown);
        return shown;
    };
    int total = 0;
    for (int i = 0; i < tvwDifferences->topLevelItemCount(); ++i) show(tvwDifferences->topLevelItem(i));
    countShown(tvwDifferences->invisibleRootItem(), total);
    building_ = false;
    lblCount->setText(differences_.empty()
                          ? QStringLiteral("The leagues are equal.")
                          : QStringLiteral("%1 of %2 differences shown").arg(total).arg(differences_.size()));
    noteChecks();
}

// The lines checked, kept by their text over a refresh; Take Selected while some is shown.
void frmCompare::noteChecks() {
    int shownChecked = 0;
    for (QTreeWidgetItemIterator it(tvwDifferences); *it != nullptr; ++it) {
        const QVariant line = (*it)->data(0, kLineRole);
        if (!line.isValid()) continue;
        const std::string text = differences_[static_cast<std::size_t>(line.toInt())].text();
        if ((*it)->checkState(0) == Qt::Checked) {
            checked_.insert(text);
            shownChecked += (*it)->isHidden() ? 0 : 1;
        } else {
            checked_.erase(text);
        }
    }
    cmdTake->setEnabled(shownChecked > 0);
}

// The lines checked and shown, from the other league, as one step.
void frmCompare::takeChecked() {
    std::vector<Difference> taken;
    for (QTreeWidgetItemIterator it(tvwDifferences); *it != nullptr; ++it) {
        const QVariant line = (*it)->data(0, kLineRole);
        if (line.isValid() && !(*it)->isHidden() && (*it)->checkState(0) == Qt::Checked)
            taken.push_back(differences_[static_cast<std::size_t>(line.toInt())]);
    }
    if (taken.empty()) return;
    session_.edit(LeagueDiff::takeLabel(taken.size()), LeagueChange::ofLeague(), [&taken](clsProject& league) {
        for (const Difference& d : taken) d.take(league);
    });
}

void frmCompare::lineChosen(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    const QVariant line = item->data(0, kLineRole);
    if (!line.isValid()) {
        if (const QVariant team = item->data(0, kTeamRole); team.isValid()) emit teamRequested(team.toInt());
        return;
    }
    const Difference& d = differences_[static_cast<std::size_t>(line.toInt())];
    if (d.group() == Group::Players)
        emit playerRequested(d.team, d.player);
    else if (d.group() == Group::Teams)
        emit teamRequested(d.team);
}

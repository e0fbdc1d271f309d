#include "ui/panels/PlayerFilterBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

#include "model/PlayerQuery.h"
#include "session/Session.h"
#include "ui/panels/ProjectTreePanel.h"
#include "ui/panels/SessionSignals.h"
#include "ui/widgets/UiText.h"

PlayerFilterBox::PlayerFilterBox(const Session& session, ProjectTreePanel& tree, SessionSignals& events,
                                 QWidget* parent)
    : QLineEdit(parent), session_(session), tree_(tree) {
    setObjectName(QStringLiteral("txtFilter"));
    setPlaceholderText(QStringLiteral("Find players (Ctrl+F): pos:C jump>=70 #33"));
    setToolTip(
        QStringLiteral("Every term must hold: a word of a name, city, mascot or abbreviation; #33; team:ALD or "
                       "team:5; pos:G, pos:F, pos:C; jersey, feet, inch, height, weight, fg, ft, threept, rspeed, "
                       "jump, steal, block, shoot or stam with >=, <=, >, < or = and a number"));
    setEnabled(false);  // until the first league
    lblFilter_ = new QLabel(this);
    lblFilter_->setObjectName(QStringLiteral("lblFilter"));
    auto* find = new QShortcut(QKeySequence::Find, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
    find->setContext(Qt::WindowShortcut);
    // The clear button shows only over a text, and the style's search for its picture through
    // the desktop's icon folders took a sixth of the window's start: it is made with the first
    // text typed.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& typed) {
        if (!typed.isEmpty() && !isClearButtonEnabled()) setClearButtonEnabled(true);
    });
    connect(this, &QLineEdit::textChanged, this, &PlayerFilterBox::apply);
    connect(this, &QLineEdit::returnPressed, this, &PlayerFilterBox::apply);
    connect(&events, &SessionSignals::heard, this, &PlayerFilterBox::showChange);
}

void PlayerFilterBox::showChange(const LeagueEvent& event) {
    if (event.nature == LeagueEvent::Nature::Replaced) setEnabled(true);
    if (event.nature == LeagueEvent::Nature::Replaced || event.change.touches(LeagueChange::RosterOrder)) apply();
}

void PlayerFilterBox::apply() {
    if (text().trimmed().isEmpty()) {
        tree_.showOnlyPlayers(nullptr);
        // Clearing an empty label still lays out the status bar it stands in, and paints it again.
        if (!lblFilter_->text().isEmpty()) lblFilter_->clear();
        return;
    }
    PlayerQuery::Fault fault;
    const std::optional<PlayerQuery> query = PlayerQuery::parse(UiText::toRom(text()), fault);
    // A fault is told in red; the colour goes through the palette, which costs no style sheet.
    QPalette colours = lblFilter_->palette();
    colours.setColor(QPalette::WindowText,
                     query ? QApplication::palette(lblFilter_).color(QPalette::WindowText) : QColor(0xb0, 0, 0));
    lblFilter_->setPalette(colours);
    if (!query) {
        lblFilter_->setText(UiText::fromRom(fault.message()));
        return;
    }
    const std::vector<Trade::Place> found = query->find(session_.league());
    tree_.showOnlyPlayers(&found);
    lblFilter_->setText(
        QStringLiteral("%1 of %2 players").arg(found.size()).arg(clsProject::kTeams * clsTeam::kRoster));
}

void PlayerFilterBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Down && e->modifiers() == Qt::NoModifier) {
        tree_.setFocus(Qt::TabFocusReason);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/FileIO.h"
#include "session/modGlobals.h"
#include "ui/EditLabels.h"
#include "ui/FileCommands.h"
#include "ui/LeagueCommands.h"
#include "ui/LocalPath.h"
#include "ui/PlayerEditorPanel.h"
#include "ui/ProjectTreePanel.h"
#include "ui/RomDropFilter.h"
#include "ui/ScheduleCheckWindow.h"
#include "ui/ScheduleEditorPanel.h"
#include "ui/SessionSignals.h"
#include "ui/SettingsPromptUi.h"
#include "ui/SpaceStatusLabel.h"
#include "ui/TeamEditorPanel.h"
#include "ui/TextBox.h"
#include "ui/UiText.h"
#include "ui/frmAllStar.h"
#include "ui/frmPaletteTool.h"

frmMain::frmMain(MessageSink* messages, FileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), session_(modGlobals::session()) {
    if (messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageSink>();
        messages = ownMessages_.get();
    }
    if (dialogs == nullptr) {
        ownDialogs_ = std::make_unique<QtFileDialogs>();
        dialogs = ownDialogs_.get();
    }
    messages_ = messages;
    dialogs_ = dialogs;
    setObjectName(QStringLiteral("frmMain"));

    menus_.build(*this);
    buildLayout();
    leagueCommands_ = new LeagueCommands(session_, *messages_, *dialogs_, menus_, *tree_, selection_, this,
                                         {[this](bool withTeam) { storeEditors(withTeam); }});
    files_ = new FileCommands(
        session_, *messages_, *dialogs_, menus_, this, [this] { storeEditors(true); }, [this] { storeAll(); });
    connectCommands();
    new RomDropFilter(this, [this](const QString& path) { files_->openNamed(path); });

    sessionSignals_ = std::make_unique<SessionSignals>(session_);
    connect(sessionSignals_.get(), &SessionSignals::leagueReplaced, this, &frmMain::leagueReplaced);
    connect(sessionSignals_.get(), &SessionSignals::leagueChanged, this, &frmMain::leagueChanged);
    connect(sessionSignals_.get(), &SessionSignals::leagueRestored, this,
            [this](const QString& label, int team, int player) {
                refresh(Scope::Restored, label, {team, player});
            });
    connect(sessionSignals_.get(), &SessionSignals::saved, this, &frmMain::showFileState);
    Form_Load();
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------------------------------
// The shell

void frmMain::buildLayout() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 0, 4, 4);
    outer->setSpacing(4);
    outer->addWidget(menus_.frameMenubar);

    auto* body = new QHBoxLayout();
    body->setSpacing(6);
    outer->addLayout(body, 1);

    // Made in the order they stand, which is also the order the Tab key follows.
    tree_ = new ProjectTreePanel(session_, central);
    body->addWidget(tree_, 1);
    schedule_ = new ScheduleEditorPanel(session_, selection_, central);
    body->addWidget(schedule_, 0);

    auto* editors = new QVBoxLayout();
    editors->setSpacing(6);
    body->addLayout(editors, 0);
    team_ = new TeamEditorPanel(session_, selection_, central);
    player_ = new PlayerEditorPanel(session_, selection_, central);
    // The editors keep a compact width; a wider window gives the tree more room.
    for (QGroupBox* frame : std::initializer_list<QGroupBox*>{team_, player_}) {
        frame->setMinimumWidth(470);
        frame->setMaximumWidth(540);
        editors->addWidget(frame);
    }
    editors->addStretch(1);
    setCentralWidget(central);

    status_ = new SpaceStatusLabel(this);
    statusBar()->addWidget(status_, 1);
}

void frmMain::connectCommands() {
    connect(menus_.menuFileOpen, &QAction::triggered, files_, &FileCommands::open);
    connect(menus_.menuFileSave, &QAction::triggered, files_, &FileCommands::save);
    connect(menus_.menuFileSaveAs, &QAction::triggered, files_, &FileCommands::saveAs);
    connect(menus_.menuFileExit, &QAction::triggered, this, [this] { menuFileExit_Click(); });
    connect(menus_.cmdFileLoad, &QToolButton::clicked, files_, &FileCommands::open);
    connect(menus_.cmdFileSave, &QToolButton::clicked, files_, &FileCommands::save);
    connect(menus_.cmdExitApp, &QToolButton::clicked, this, [this] { menuFileExit_Click(); });
    connect(files_, &FileCommands::fileNamed, this, [this](const QString& fileName) {
        captionFile_ = fileName;
        showFileState();
    });
    connect(files_, &FileCommands::openFailed, this, [this] { refresh(Scope::Status, QString(), {}); });
    connect(files_, &FileCommands::recentChanged, this, &frmMain::showStart);
    connect(tree_, &ProjectTreePanel::recentChosen, this, [this](int index) {
        const QList<RecentFiles::Entry> entries = files_->recent().entries();
        if (index >= 0 && index < entries.size()) files_->openRecent(entries[index]);
    });
    connect(menus_.menuEditUndo, &QAction::triggered, this, &frmMain::undo);
    // The menu names the step Undo takes: what is typed is stored before it opens.
    connect(menus_.menuEdit, &QMenu::aboutToShow, this, &frmMain::storeTyped);
    // Text typed into an editor makes Undo and Redo available: they store it first.
    for (TextBox* box : centralWidget()->findChildren<TextBox*>())
        connect(box, &QLineEdit::textEdited, this, &frmMain::showFileState);
    connect(menus_.menuEditRedo, &QAction::triggered, this, &frmMain::redo);

    connect(tree_, &ProjectTreePanel::teamChosen, this, &frmMain::chooseTeam);
    connect(tree_, &ProjectTreePanel::playerChosen, this, &frmMain::choosePlayer);
    connect(schedule_, &ScheduleEditorPanel::allStarRequested, this, &frmMain::showAllStarWindow);
    connect(menus_.menuAnalysisCheckSchedule, &QAction::triggered, this, &frmMain::showScheduleCheck);
}

// ---------------------------------------------------------------------------------------
// Start-up and shut-down

void frmMain::Form_Load() {
    SettingsPromptUi prompt(*messages_, this);
    modGlobals::loadSettings(prompt);
    setWindowTitle(kAppTitle + QStringLiteral(" [...]"));
    team_->showPaletteBoxes();

    // The folder remembered from the last run, while it still holds files.
    std::string& folder = session_.settings().lastFolder;
    if (!FileIO::fileExists(folder + std::string(1, FileIO::separator()))) folder = modGlobals::programFolder();
    const QString dialogFolder = LocalPath::fromLocal(folder);
    leagueCommands_->setDialogFolder(dialogFolder);
    files_->setDialogFolder(dialogFolder);

    selection_.nesFigureVariant = 0;
    selection_.snesFigureVariant = 0;
    menus_.enableRomCommands(false);
    team_->setEditable(false);
    player_->setEditable(false);
    schedule_->setEditable(false);
    status_->showFor(session_);
    showFileState();
    showStart();
}

// Before the first league the tree says where to begin and offers the recent files.
void frmMain::showStart() {
    if (leagueShown_) return;
    QStringList recent;
    for (const RecentFiles::Entry& entry : files_->recent().entries()) recent << entry.path;
    tree_->showStart(recent);
}

void frmMain::Form_Unload() {
    SettingsPromptUi prompt(*messages_, this);
    modGlobals::saveSettings(prompt);
    closeSecondaryWindows();
}

// The palette tool, the all-star window and the schedule check.
void frmMain::closeSecondaryWindows() {
    if (frmPaletteTool* tool = team_->paletteTool(false)) tool->close();
    if (frmAllStar* allStar = allStarWindow(false)) allStar->close();
    if (scheduleCheck_ != nullptr) scheduleCheck_->close();
}

// Edits not saved are asked about first; Cancel keeps the window open.
void frmMain::closeEvent(QCloseEvent* e) {
    if (!files_->settleUnsavedEdits()) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void frmMain::menuFileExit_Click() {
    if (frmPaletteTool* tool = team_->paletteTool(false)) tool->close();
    close();
}

// ---------------------------------------------------------------------------------------
// File and history commands

void frmMain::openFile(const QString& path) { files_->openNamed(path); }

// Before undo and redo, what the controls still hold goes into the league as steps of
// its own, so that a typed value is neither lost nor mixed into the league restored: right
// after typing, Undo takes back what was typed.
void frmMain::undo() {
    storeTyped();
    session_.undo();
}

void frmMain::redo() {
    storeTyped();
    session_.redo();
}

void frmMain::showFileState() {
    const UndoHistory& history = session_.history();
    bool typing = false;
    if (leagueShown_)
        for (const TextBox* box : centralWidget()->findChildren<TextBox*>()) typing = typing || box->changed();
    menus_.showHistory(QString::fromStdString(history.undoLabel()), QString::fromStdString(history.redoLabel()),
                       typing);
    // The marker stands after the name of the file open, from the first successful open on.
    if (captionFile_.isEmpty()) return;
    setWindowTitle(kAppTitle + QStringLiteral(" [") + captionFile_ + QStringLiteral("][*]"));
    setWindowModified(session_.valid() && session_.modified());
}

// ---------------------------------------------------------------------------------------
// Selection

// The player editor, then (withTeam) the team editor, into the selected records; nothing
// while the editors still show their start texts.
void frmMain::storeEditors(bool withTeam) {
    if (!leagueShown_) return;
    player_->store();
    if (withTeam) team_->store();
}

// The box being typed into finished as leaving it would finish it, then everything else the
// controls hold: what a command on the league runs first.
void frmMain::storeTyped() {
    if (auto* box = qobject_cast<TextBox*>(QApplication::focusWidget()); box != nullptr && isAncestorOf(box))
        box->finishEditing();
    storeAll();
}

// The editors and the schedule's team lists.
void frmMain::storeAll() {
    storeEditors(true);
    schedule_->store();
}

// A team node: the editors are stored into the old selection, then show the team's first
// player with both figures at their first variant.
void frmMain::chooseTeam(int team) {
    storeEditors(true);
    selection_.team = team;
    selection_.player = 0;
    selection_.nesFigureVariant = 0;
    selection_.snesFigureVariant = 0;
    refreshEditors(false);
}

// After undo or redo, the team or player the step changed is selected, as a click on its
// node selects it; a step of the whole league keeps the selection.
void frmMain::selectStep(EditTarget target) {
    if (target.team < 0 || target.team >= clsProject::kTeams) return;
    if (target.player >= 0) {
        selection_.team = target.team;
        selection_.player = target.player;
        tree_->showPlayer(target.team, target.player);
    } else if (target.team != selection_.team) {
        selection_.team = target.team;
        selection_.player = 0;
        selection_.nesFigureVariant = 0;
        selection_.snesFigureVariant = 0;
        tree_->showTeam(target.team);
    }
}

void frmMain::choosePlayer(int team, int player) {
    storeEditors(true);
    selection_.team = team;
    selection_.player = player;
    refreshEditors(false);
}

// Fills and enables the editors for the selection; the schedule lists are filled anew
// only withSchedule.
void frmMain::refreshEditors(bool withSchedule) {
    team_->fill();
    team_->setEditable(true);
    player_->fill();
    player_->setEditable(true);
    if (withSchedule) schedule_->fill();
    schedule_->setEditable(true);
}

frmAllStar* frmMain::allStarWindow(bool create) {
    // A window closed a moment ago is on its way out; the next use loads a new one.
    frmAllStar* w = allStar_;
    if (w != nullptr && w->isUnloaded()) w = nullptr;
    if (w == nullptr && create) {
        w = new frmAllStar(session_, this);
        allStar_ = w;
    }
    return w;
}

void frmMain::showAllStarWindow() {
    frmAllStar* w = allStarWindow(true);
    w->show();
    w->raise();
    w->activateWindow();
}

void frmMain::showScheduleCheck() {
    if (scheduleCheck_ == nullptr) scheduleCheck_ = new ScheduleCheckWindow(session_, this);
    scheduleCheck_->refresh();
    scheduleCheck_->show();
    scheduleCheck_->raise();
    scheduleCheck_->activateWindow();
}

// ---------------------------------------------------------------------------------------
// The refresh

void frmMain::leagueReplaced(const QString& label) {
    refresh(label == QLatin1String(EditLabels::kOpen) ? Scope::OpenedLeague : Scope::League, label, {});
}

void frmMain::leagueChanged(const QString& label, int team, int player) {
    Scope scope = Scope::Edit;
    if (label == QLatin1String(EditLabels::kImportTeam)) scope = Scope::Team;
    if (label == QLatin1String(EditLabels::kImportPlayer)) scope = Scope::Player;
    if (label == QLatin1String(EditLabels::kImportPlayersCsv) || label == QLatin1String(EditLabels::kSwapPlayers))
        scope = Scope::Players;
    refresh(scope, label, {team, player});
}

// A store of an editor shows the stored texts where else they stand (the tree, the
// schedule lists, the all-star window) but refills no editor, so that a value typed into
// another box stays there; an import or a new league shows everything anew.
void frmMain::refresh(Scope scope, const QString& label, EditTarget target) {
    switch (scope) {
        case Scope::Status:
            break;
        case Scope::Edit:
            if (label == QLatin1String(EditLabels::kCity) || label == QLatin1String(EditLabels::kMascot))
                tree_->relabelTeam(target.team);
            if (label == QLatin1String(EditLabels::kJersey) || label == QLatin1String(EditLabels::kFirstName) ||
                label == QLatin1String(EditLabels::kLastName))
                tree_->relabelPlayer(target.team, target.player);
            // The schedule lists show the abbreviations.
            if (label == QLatin1String(EditLabels::kAbbreviation)) schedule_->fill();
            break;
        case Scope::Player:
            player_->fill();
            team_->fill();
            tree_->relabelPlayer(target.team, target.player);
            break;
        case Scope::Team:
            refreshEditors(true);
            tree_->relabelTeam(target.team);
            for (int p = 0; p < clsTeam::kRoster; ++p) tree_->relabelPlayer(target.team, p);
            break;
        case Scope::Players:
            player_->fill();
            team_->fill();
            for (int t = 0; t < clsProject::kTeams; ++t)
                for (int p = 0; p < clsTeam::kRoster; ++p) tree_->relabelPlayer(t, p);
            // A trade may have moved the selection with its player.
            if (label == QLatin1String(EditLabels::kSwapPlayers)) tree_->showPlayer(selection_.team, selection_.player);
            break;
        case Scope::League:
            refreshEditors(true);
            tree_->build();
            tree_->showPlayer(selection_.team, selection_.player);
            break;
        case Scope::Restored:
            // Anything may have changed back: every text and list is shown anew, at the
            // step's team or player and at the game shown before.
            selectStep(target);
            refreshEditors(false);
            schedule_->fill(selection_.game);
            tree_->relabelAll();
            break;
        case Scope::OpenedLeague:
            leagueShown_ = true;
            selection_.team = 0;
            selection_.player = 0;
            refreshEditors(true);
            menus_.enableRomCommands(true);
            tree_->build();
            tree_->showFirstPlayer();
            team_->showPaletteBoxes();
            break;
    }
    if (frmAllStar* allStar = allStarWindow(false)) {
        // A window left open on a replaced league would write its old rosters over the new
        // ones when it closes: it reads them anew, as after undo, redo or a trade, whose
        // slots followed its players. After any other change it shows the present names of
        // the players and teams it holds.
        if (scope == Scope::League || scope == Scope::OpenedLeague || scope == Scope::Restored ||
            label == QLatin1String(EditLabels::kSwapPlayers))
            allStar->reloadFromLeague();
        else if (scope != Scope::Status)
            allStar->refreshNames();
    }
    if (scheduleCheck_ != nullptr && scheduleCheck_->isVisible()) scheduleCheck_->refresh();
    status_->showFor(session_);
    showFileState();
}

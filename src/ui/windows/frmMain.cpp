#include "ui/windows/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "session/modGlobals.h"
#include "settings/Settings.h"
#include "ui/commands/CommandRunner.h"
#include "ui/commands/CompareCommands.h"
#include "ui/commands/EmulatorCommands.h"
#include "ui/commands/FileCommands.h"
#include "ui/commands/LeagueCommands.h"
#include "ui/commands/RomDropFilter.h"
#include "ui/panels/PlayerEditorPanel.h"
#include "ui/panels/PlayerFilterBox.h"
#include "ui/panels/ProjectTreePanel.h"
#include "ui/panels/ScheduleEditorPanel.h"
#include "ui/panels/SessionSignals.h"
#include "ui/panels/TeamEditorPanel.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/SettingsPromptUi.h"
#include "ui/widgets/SpaceStatusLabel.h"
#include "ui/widgets/TextBox.h"
#include "ui/widgets/UiText.h"
#include "ui/windows/ScheduleCheckWindow.h"
#include "ui/windows/frmAllStar.h"
#include "ui/windows/frmCompare.h"
#include "ui/windows/frmOverview.h"
#include "ui/windows/frmPaletteTool.h"

frmMain::frmMain(MessageSink* messages, FileDialogs* dialogs, ProgramStarter* programs, QWidget* parent)
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
    programs_ = programs != nullptr ? programs : new QtProgramStarter(this);
    setObjectName(QStringLiteral("frmMain"));

    // Made first: the window moves the selection for an event before the panels, which
    // connect themselves to it as they are made, show it.
    sessionSignals_ = std::make_unique<SessionSignals>(session_);
    connect(sessionSignals_.get(), &SessionSignals::beforeShown, this, &frmMain::followEvent);
    menus_.build(*this);
    buildLayout();
    connect(sessionSignals_.get(), &SessionSignals::heard, this, &frmMain::showLeagueState);
    runner_ = new CommandRunner([this] { storeTyped(); }, this);
    leagueCommands_ = new LeagueCommands(session_, *messages_, *dialogs_, menus_, *tree_, selection_, *runner_, this);
    files_ = new FileCommands(session_, *messages_, *dialogs_, menus_, *runner_, this);
    compare_ = new CompareCommands(session_, *messages_, *dialogs_, *runner_, this);
    emulators_ = new EmulatorCommands(session_, *messages_, *dialogs_, *programs_, this);
    connectCommands();
    new RomDropFilter(this, [this](const QString& path) { runner_->run([this, path] { files_->openNamed(path); }); });
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

    // Made in the order they stand, which is also the order the Tab key follows; the filter
    // box above the tree comes before it.
    auto* treeColumn = new QVBoxLayout();
    treeColumn->setSpacing(2);
    body->addLayout(treeColumn, 1);
    tree_ = new ProjectTreePanel(session_, selection_, *sessionSignals_, central);
    auto* filter = new PlayerFilterBox(session_, *tree_, *sessionSignals_, central);
    setTabOrder(filter, tree_);
    treeColumn->addWidget(filter);
    treeColumn->addWidget(tree_, 1);
    schedule_ = new ScheduleEditorPanel(session_, selection_, *sessionSignals_, central);
    body->addWidget(schedule_, 0);

    auto* editors = new QVBoxLayout();
    editors->setSpacing(6);
    body->addLayout(editors, 0);
    team_ = new TeamEditorPanel(session_, selection_, *sessionSignals_, central);
    player_ = new PlayerEditorPanel(session_, selection_, *sessionSignals_, central);
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
    statusBar()->addPermanentWidget(filter->countLabel());
}

void frmMain::connectCommands() {
    runner_->bind(menus_.menuFileOpen, [this] { files_->open(); });
    runner_->bind(menus_.menuFileSave, [this] { files_->save(); });
    runner_->bind(menus_.menuFileSaveAs, [this] { files_->saveAs(); });
    runner_->bind(menus_.menuFileExit, [this] { menuFileExit_Click(); });
    runner_->bind(menus_.cmdFileLoad, [this] { files_->open(); });
    runner_->bind(menus_.cmdFileSave, [this] { files_->save(); });
    runner_->bind(menus_.cmdExitApp, [this] { menuFileExit_Click(); });
    connect(files_, &FileCommands::fileNamed, this, [this](const QString& fileName) {
        captionFile_ = fileName;
        showFileState();
    });
    connect(files_, &FileCommands::openFailed, this, &frmMain::showLeagueState);
    connect(files_, &FileCommands::recentChanged, this, &frmMain::showStart);
    connect(tree_, &ProjectTreePanel::recentChosen, this, [this](int index) {
        const QList<RecentFiles::Entry> entries = files_->recent().entries();
        if (index >= 0 && index < entries.size())
            runner_->run([this, entry = entries[index]] { files_->openRecent(entry); });
    });
    // Before undo and redo, what the controls still hold goes into the league as steps of
    // its own, so that a typed value is neither lost nor mixed into the league restored:
    // right after typing, Undo takes back what was typed.
    runner_->bind(menus_.menuEditUndo, [this] { session_.undo(); });
    runner_->bind(menus_.menuEditRedo, [this] { session_.redo(); });
    // The menu names the step Undo takes: what is typed is stored before it opens.
    connect(menus_.menuEdit, &QMenu::aboutToShow, runner_, &CommandRunner::storeFirst);
    // Text typed into an editor makes Undo and Redo available: they store it first.
    for (TextBox* box : centralWidget()->findChildren<TextBox*>())
        connect(box, &QLineEdit::textEdited, this, &frmMain::showFileState);

    connect(tree_, &ProjectTreePanel::teamChosen, this, &frmMain::chooseTeam);
    connect(tree_, &ProjectTreePanel::playerChosen, this, &frmMain::choosePlayer);
    connect(schedule_, &ScheduleEditorPanel::allStarRequested, this,
            [this] { runner_->run([this] { showAllStarWindow(); }); });
    runner_->bind(menus_.menuAnalysisCheckSchedule, [this] { showScheduleCheck(); });
    runner_->bind(menus_.menuAnalysisOverview, [this] { showOverview(); });

    runner_->bind(menus_.menuFileCompare, [this] { compare_->compareWith(); });
    runner_->bind(menus_.menuFileRestoreBackup, [this] { compare_->restoreBackup(); });
    runner_->bind(menus_.menuToolsTestInEmulator, [this] { emulators_->testInEmulator(); });
    runner_->bind(menus_.cmdTestInEmulator, [this] { emulators_->testInEmulator(); });
    connect(menus_.menuToolsEmulators, &QAction::triggered, this,
            [this] { emulators_->chooseEmulators(session_.valid() ? session_.kind() : Console::Nes); });
    connect(compare_, &CompareCommands::teamRequested, this, [this](int team) {
        chooseTeam(team);
        tree_->showTeam(team);
    });
    connect(compare_, &CompareCommands::playerRequested, this, [this](int team, int player) {
        choosePlayer(team, player);
        tree_->showPlayer(team, player);
    });
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
    folder = Settings::checkedFolder(folder, modGlobals::programFolder());
    const QString dialogFolder = LocalPath::fromLocal(folder);
    leagueCommands_->setDialogFolder(dialogFolder);
    files_->setDialogFolder(dialogFolder);
    compare_->setDialogFolder(dialogFolder);

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
    if (overview_ != nullptr) overview_->close();
    if (frmCompare* compare = compare_->compareWindow()) compare->close();
}

// Edits not saved are asked about first; Cancel keeps the window open.
void frmMain::closeEvent(QCloseEvent* e) {
    bool goOn = false;
    runner_->run([this, &goOn] { goOn = files_->settleUnsavedEdits(); });
    if (!goOn) {
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

void frmMain::openFile(const QString& path) {
    runner_->run([this, path] { files_->openNamed(path); });
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

void frmMain::storeEditors(bool withTeam) {
    if (!leagueShown_) return;
    player_->store();
    if (withTeam) team_->store();
}

void frmMain::storeTyped() {
    if (auto* box = qobject_cast<TextBox*>(QApplication::focusWidget()); box != nullptr && isAncestorOf(box))
        box->finishEditing();
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
    refreshEditors();
}

void frmMain::choosePlayer(int team, int player) {
    storeEditors(true);
    selection_.team = team;
    selection_.player = player;
    refreshEditors();
}

// Fills and enables the editors for the selection.
void frmMain::refreshEditors() {
    team_->fill();
    team_->setEditable(true);
    player_->fill();
    player_->setEditable(true);
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

// The check window is made, hidden, once the window has shown its first league and has
// nothing else to do, so that the command only fills and shows it.
void frmMain::prepareScheduleCheck() {
    if (scheduleCheck_ != nullptr) return;
    scheduleCheck_ = new ScheduleCheckWindow(session_, this);
    scheduleCheck_->prepare();
}

void frmMain::showScheduleCheck() {
    prepareScheduleCheck();
    scheduleCheck_->refresh();
    scheduleCheck_->show();
    scheduleCheck_->raise();
    scheduleCheck_->activateWindow();
}

// A team clicked in the overview is chosen as a click on its node would choose it.
void frmMain::showOverview() {
    if (overview_ == nullptr) {
        const std::string folder = Settings::checkedFolder(session_.settings().lastFolder, modGlobals::programFolder());
        overview_ = new frmOverview(session_, *messages_, *dialogs_, LocalPath::fromLocal(folder), this);
        connect(overview_, &frmOverview::teamChosen, this, [this](int team) {
            runner_->run([this, team] {
                chooseTeam(team);
                tree_->showTeam(team);
            });
        });
    }
    overview_->refresh();
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
}

// ---------------------------------------------------------------------------------------
// Following the league

void frmMain::followEvent(const LeagueEvent& event) {
    switch (event.nature) {
        case LeagueEvent::Nature::Replaced:
            if (!leagueShown_) QTimer::singleShot(0, this, &frmMain::prepareScheduleCheck);
            leagueShown_ = true;
            selection_.team = 0;
            selection_.player = 0;
            menus_.enableRomCommands(true);
            break;
        case LeagueEvent::Nature::Restored:
            followStep(event.change);
            break;
        case LeagueEvent::Nature::Changed:
        case LeagueEvent::Nature::Saved:
            break;
    }
}

// Undo and redo select the record the step was about, as a click on its node selects it:
// one team (its own fields, and with them perhaps its players: an import of the team),
// which starts both figures at their first variant, or one player. A step of more (a trade,
// the schedule, the all-star slots, many players, the whole league) keeps the selection.
void frmMain::followStep(const LeagueChange& change) {
    if (change.touches(LeagueChange::Schedule | LeagueChange::AllStars | LeagueChange::RosterOrder)) return;
    if (change.teams.size() == 1) {
        selection_.team = change.teams.front();
        selection_.player = 0;
        selection_.nesFigureVariant = 0;
        selection_.snesFigureVariant = 0;
        tree_->showTeam(selection_.team);
    } else if (change.teams.empty() && change.players.size() == 1) {
        selection_.team = change.players.front().team;
        selection_.player = change.players.front().slot;
        tree_->showPlayer(selection_.team, selection_.player);
    } else {
        return;
    }
    refreshEditors();
}

void frmMain::showLeagueState() {
    status_->showFor(session_);
    showFileState();
}

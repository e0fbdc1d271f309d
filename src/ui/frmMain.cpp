// The main window's shell: menus, tool strip, layout, start-up and shut-down, the two ROM
// commands, the project tree and the status bar.
#include "ui/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "codec/AllStarCheck.h"
#include "codec/SpaceReport.h"
#include "base/FileIO.h"
#include "base/TextNumber.h"
#include "session/modGlobals.h"
#include "ui/LocalPath.h"
#include "ui/PictureBox.h"
#include "ui/ProjectTreeView.h"
#include "ui/SettingsPromptUi.h"
#include "ui/TextBox.h"
#include "ui/ToolIcons.h"
#include "ui/UiText.h"
#include "ui/frmAllStar.h"
#include "ui/frmPaletteTool.h"

using UiText::fromRom;

namespace {

const QString kRomFilter = QStringLiteral("All Supported Types|*.nes;*.smc|NES Rom (*.nes)|*.nes|SNES Rom (*.smc)|*.smc|");

constexpr int kTreeKeyRole = Qt::UserRole;

// The whole-number value of a text as the key lookups read it.
int keyNumber(const QString& text) {
    return static_cast<int>(TextNumber::roundHalfEven(TextNumber::value(UiText::toRom(text))));
}

}  // namespace

frmMain::frmMain(MessageSink* messages, FileDialogs* dialogs, QWidget* parent) : QMainWindow(parent) {
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

    buildMenus();
    buildToolStrip();
    buildLayout();
    Form_Load();
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------------------------------
// Window construction

void frmMain::buildMenus() {
    auto addItem = [this](QMenu* menu, const QString& name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    auto addSeparator = [](QMenu* menu, const QString& name) { menu->addSeparator()->setObjectName(name); };

    menuFile = menuBar()->addMenu(QStringLiteral("File"));
    menuFile->setObjectName(QStringLiteral("menuFile"));
    menuFileOpen = addItem(menuFile, QStringLiteral("menuFileOpen"), QStringLiteral("Open"));
    menuFileSave = addItem(menuFile, QStringLiteral("menuFileSave"), QStringLiteral("Save"));
    addSeparator(menuFile, QStringLiteral("menuSeparator0"));
    menuFileExit = addItem(menuFile, QStringLiteral("menuFileExit"), QStringLiteral("Exit"));

    menuProject = menuBar()->addMenu(QStringLiteral("Project"));
    menuProject->setObjectName(QStringLiteral("menuProject"));
    menuProjectImport = addItem(menuProject, QStringLiteral("menuProjectImport"), QStringLiteral("Import Project"));
    menuProjectExport = addItem(menuProject, QStringLiteral("menuProjectExport"), QStringLiteral("Export Project"));
    addSeparator(menuProject, QStringLiteral("menuSeparator2"));
    menuProjectImportTeam = addItem(menuProject, QStringLiteral("menuProjectImportTeam"), QStringLiteral("Import Team"));
    menuProjectExportTeam = addItem(menuProject, QStringLiteral("menuProjectExportTeam"), QStringLiteral("Export Team"));
    addSeparator(menuProject, QStringLiteral("menuSeparator1"));
    meunProjectImportPlayer =
        addItem(menuProject, QStringLiteral("meunProjectImportPlayer"), QStringLiteral("Import Player"));
    menuProjectExportPlayer =
        addItem(menuProject, QStringLiteral("menuProjectExportPlayer"), QStringLiteral("Export Player"));

    menuAnalysis = menuBar()->addMenu(QStringLiteral("Analysis"));
    menuAnalysis->setObjectName(QStringLiteral("menuAnalysis"));
    static const char* const kAttNames[6] = {"Run Speed", "Jumping", "Stealing", "Blocking", "Shooting Range",
                                             "Stamina"};
    for (int i = 0; i < 6; ++i) {
        menuAnalysisAtt[static_cast<std::size_t>(i)] =
            addItem(menuAnalysis, QStringLiteral("menuAnalysisAtt_%1").arg(i), QString::fromLatin1(kAttNames[i]));
    }
    addSeparator(menuAnalysis, QStringLiteral("menuSeparator3"));
    menuAnalysisSortByPos =
        addItem(menuAnalysis, QStringLiteral("menuAnalysisSortByPos"), QStringLiteral("Sort by Position"));
    menuAnalysisSortByPos->setCheckable(true);
    menuAnalysisSortByPos->setChecked(true);

    connect(menuFileOpen, &QAction::triggered, this, [this] { openRom(); });
    connect(menuFileSave, &QAction::triggered, this, [this] { saveRom(); });
    connect(menuFileExit, &QAction::triggered, this, [this] { menuFileExit_Click(); });
    connect(menuProjectImport, &QAction::triggered, this, [this] { menuProjectImport_Click(); });
    connect(menuProjectExport, &QAction::triggered, this, [this] { menuProjectExport_Click(); });
    connect(menuProjectImportTeam, &QAction::triggered, this, [this] { menuProjectImportTeam_Click(); });
    connect(menuProjectExportTeam, &QAction::triggered, this, [this] { menuProjectExportTeam_Click(); });
    connect(meunProjectImportPlayer, &QAction::triggered, this, [this] { meunProjectImportPlayer_Click(); });
    connect(menuProjectExportPlayer, &QAction::triggered, this, [this] { menuProjectExportPlayer_Click(); });
    for (int i = 0; i < 6; ++i)
        connect(menuAnalysisAtt[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { menuAnalysisAtt_Click(i); });
    connect(menuAnalysisSortByPos, &QAction::triggered, this, [this] { menuAnalysisSortByPos_Click(); });
}

void frmMain::buildToolStrip() {
    frameMenubar = new QWidget(this);
    frameMenubar->setObjectName(QStringLiteral("frameMenubar"));
    auto* row = new QHBoxLayout(frameMenubar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    auto makeButton = [this, row](const QString& name, const QPixmap& picture, const QString& tip) {
        auto* b = new QToolButton(frameMenubar);
        b->setObjectName(name);
        b->setIcon(QIcon(picture));
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        // The buttons take the focus when clicked, like any button of the window: a text
        // box being edited loses it (and normalises its text) before the command runs.
        b->setFocusPolicy(Qt::StrongFocus);
        if (!tip.isEmpty()) b->setToolTip(tip);
        row->addWidget(b);
        return b;
    };
    cmdFileLoad = makeButton(QStringLiteral("cmdFileLoad"), ToolIcons::openPicture(), QString());
    cmdFileSave = makeButton(QStringLiteral("cmdFileSave"), ToolIcons::savePicture(), QString());
    cmdExitApp = makeButton(QStringLiteral("cmdExitApp"), ToolIcons::exitPicture(), QStringLiteral("Exit Program"));
    row->addStretch(1);

    connect(cmdFileLoad, &QToolButton::clicked, this, [this] { openRom(); });
    connect(cmdFileSave, &QToolButton::clicked, this, [this] { saveRom(); });
    connect(cmdExitApp, &QToolButton::clicked, this, [this] { menuFileExit_Click(); });
}

void frmMain::buildLayout() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 0, 4, 4);
    outer->setSpacing(4);
    outer->addWidget(frameMenubar);

    auto* body = new QHBoxLayout();
    body->setSpacing(6);
    outer->addLayout(body, 1);

    auto* tree = new ProjectTreeView(central);
    tvProject = tree;
    tvProject->setObjectName(QStringLiteral("tvProject"));
    tvProject->setColumnCount(1);
    tvProject->setHeaderHidden(true);
    tvProject->setMinimumWidth(230);
    tvProject->setSelectionMode(QAbstractItemView::SingleSelection);
    tvProject->setUniformRowHeights(true);
    body->addWidget(tvProject, 1);

    frameProjectEditor = new QGroupBox(QStringLiteral("League"), central);
    frameProjectEditor->setObjectName(QStringLiteral("frameProjectEditor"));
    body->addWidget(frameProjectEditor, 0);

    auto* editors = new QVBoxLayout();
    editors->setSpacing(6);
    body->addLayout(editors, 0);
    frameTeamEditor = new QGroupBox(QStringLiteral("Team Editor"), central);
    frameTeamEditor->setObjectName(QStringLiteral("frameTeamEditor"));
    framePlayerEdit = new QGroupBox(QStringLiteral("Player Editor"), central);
    framePlayerEdit->setObjectName(QStringLiteral("framePlayerEdit"));
    // The editors keep a compact width; a wider window gives the tree more room.
    for (QGroupBox* frame : {frameTeamEditor, framePlayerEdit}) {
        frame->setMinimumWidth(470);
        frame->setMaximumWidth(540);
        editors->addWidget(frame);
    }
    editors->addStretch(1);

    setCentralWidget(central);

    lblSpace = new QLabel(this);
    lblSpace->setObjectName(QStringLiteral("lblSpace"));
    statusBar()->addWidget(lblSpace, 1);

    // Built in the order they stand, which is also the order the Tab key follows.
    buildSchedulePanel(frameProjectEditor);
    buildTeamEditor(frameTeamEditor);
    buildPlayerPanel(framePlayerEdit);
    connectTeamPanel();
    connectPlayerPanel();

    // The space left in the name tables changes with every stored team name.
    for (TextBox* box : {txtCity, txtMascot, txtAbrev})
        if (box != nullptr) connect(box, &TextBox::lostFocus, this, [this] { updateSpaceStatus(); });

    connect(tvProject, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item, int) { tvProject_NodeClick(item); });
    // Moving through the tree with the keyboard selects as a click does.
    connect(tree, &ProjectTreeView::keyboardSelected, this, [this](QTreeWidgetItem* item) { tvProject_NodeClick(item); });
}

// ---------------------------------------------------------------------------------------
// Start-up and shut-down

void frmMain::initWindow() {
    setWindowTitle(kAppTitle + QStringLiteral(" [...]"));
    consoleKind = Console::None;
    showPaletteBoxes();
}

void frmMain::Form_Load() {
    SettingsPromptUi prompt(*messages_, this);
    modGlobals::loadSettings(prompt);
    initWindow();

    // The folder remembered from the last run, while it still holds files.
    std::string sep(1, FileIO::separator());
    if (!modGlobals::fileExists(modGlobals::lastFolder + sep)) modGlobals::lastFolder = modGlobals::programFolder();
    dialogFolder_ = LocalPath::fromLocal(modGlobals::lastFolder);

    romValid = false;
    consoleKind = Console::None;
    nesSpriteVariant = 0;
    snesSpriteVariant = 0;

    enableRomCommands(false);
    enableTeamPanel(false);
    enablePlayerPanel(false);
    enableSchedulePanel(false);
    updateSpaceStatus();
}

void frmMain::Form_Unload() {
    SettingsPromptUi prompt(*messages_, this);
    modGlobals::saveSettings(prompt);
    if (frmPaletteTool* tool = paletteTool(false)) tool->close();
    // Closing the all-star window writes its rosters into the league.
    if (frmAllStar* allStar = allStarWindow(false)) allStar->close();
}

void frmMain::closeEvent(QCloseEvent* e) {
    Form_Unload();
    e->accept();
}

void frmMain::menuFileExit_Click() {
    if (frmPaletteTool* tool = paletteTool(false)) tool->close();
    close();
}

void frmMain::enableRomCommands(bool enabled) {
    menuFileSave->setEnabled(enabled);
    menuProject->setEnabled(enabled);
    menuProject->menuAction()->setEnabled(enabled);
    menuAnalysis->setEnabled(enabled);
    menuAnalysis->menuAction()->setEnabled(enabled);
    cmdFileSave->setEnabled(enabled);
}

// ---------------------------------------------------------------------------------------
// ROM commands

void frmMain::openRom() {
    FileChoice choice = dialogs_->openFile(this, kRomFilter, dialogFolder_);
    if (choice.fileName.isEmpty()) return;

    if (choice.filterIndex == 2)
        consoleKind = Console::Nes;
    else if (choice.filterIndex == 3)
        consoleKind = Console::Snes;
    else
        consoleKind = RomFile::kindFromFileName(UiText::toRom(choice.fileName));
    romPath = choice.fileName;

    QString text;
    QString detail;
    ResultCode r = modGlobals::readRomFile(LocalPath::toLocal(romPath), consoleKind);
    if (r == 1) {
        text = QStringLiteral("Error loading file!");
        romValid = false;
    } else if (r == 2) {
        text = QStringLiteral("Invalid rom!");
        romValid = false;
    } else if (r != Result::Ok) {
        text = QStringLiteral("Unknown Error!");
        romValid = false;
    } else {
        QString title = QFileInfo(romPath).fileName();
        setWindowTitle(kAppTitle + QStringLiteral(" [") + title + QStringLiteral("]"));
        modGlobals::lastFolder = LocalPath::toLocal(romPath.left(romPath.size() - title.size() - 1));

        if (modGlobals::loadProjectFromRom(consoleKind) != Result::Ok) {
            text = QStringLiteral("Error reading data!");
            detail = QString::fromStdString(modGlobals::offsetProblem(consoleKind));
            romValid = false;
        } else {
            text = QStringLiteral("File successfully loaded!");
            selectedTeam = 0;
            selectedPlayer = 0;
            refreshEditors(true);
            enableRomCommands(true);
            buildProjectTree();
            if (QTreeWidgetItem* team = treeNode(2)) team->setExpanded(true);
            if (QTreeWidgetItem* player = treeNode(3)) tvProject->setCurrentItem(player);
            showPaletteBoxes();
            romValid = true;
            // An all-star window left open keeps no rosters of the league it was opened on.
            if (frmAllStar* allStar = allStarWindow(false)) allStar->reloadFromLeague();
            updateSpaceStatus();
        }
    }
    messages_->message(this, text, MessageSink::Icon::None, detail);
}

void frmMain::saveRom() {
    storePlayerFields();
    storeTeamFields();
    updateSpaceStatus();

    QString text;
    QString detail;
    if (!romValid) {
        text = QStringLiteral("Load a valid rom!");
    } else {
        switch (modGlobals::saveProjectToRom(consoleKind)) {
            case 0: {
                FileIO::WriteError why;
                if (modGlobals::writeRomFile(LocalPath::toLocal(romPath), why) == Result::Ok) {
                    text = QStringLiteral("File successfully saved!");
                } else {
                    text = QStringLiteral("Error writing to disk!");
                    detail = QString::fromStdString(why.text());
                }
                break;
            }
            case 2: text = QStringLiteral("Abbreviations are too long!"); break;
            case 3: text = QStringLiteral("City names are too long!"); break;
            case 4: text = QStringLiteral("Mascot names are too long!"); break;
            case 5: text = QStringLiteral("Player names are too long!"); break;
            default:
                text = QStringLiteral("Unknown error!");
                detail = QString::fromStdString(modGlobals::offsetProblem(consoleKind));
                break;
        }
    }
    messages_->message(this, text, MessageSink::Icon::None, detail);
}

// ---------------------------------------------------------------------------------------
// Project tree and selection

QString frmMain::playerNodeText(int team, int player) const {
    const clsTeam* t = modGlobals::project().getTeamRef(team);
    const clsPlayer* p = t != nullptr ? t->getPlayerRef(player) : nullptr;
    if (p == nullptr) return {};
    return UiText::padded(p->getJersey(), 2) + QLatin1Char('-') + fromRom(p->getFullname());
}

void frmMain::buildProjectTree() {
    tvProject->clear();
    treeNodes_.clear();
    treeNodes_.reserve(1 + clsProject::kTeams * 13);

    auto* root = new QTreeWidgetItem(tvProject, QStringList(QStringLiteral("NBA")));
    root->setData(0, kTreeKeyRole, QStringLiteral("Project"));
    treeNodes_.push_back(root);

    int k = 0;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam* team = modGlobals::project().getTeamRef(t);
        auto* teamNode =
            new QTreeWidgetItem(root, QStringList(fromRom(team->getCity()) + QLatin1Char(' ') + fromRom(team->getMascot())));
        teamNode->setData(0, kTreeKeyRole, QStringLiteral("Team%1").arg(t));
        treeNodes_.push_back(teamNode);
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            auto* playerNode = new QTreeWidgetItem(teamNode, QStringList(playerNodeText(t, p)));
            playerNode->setData(0, kTreeKeyRole, QStringLiteral("Player%1").arg(k));
            treeNodes_.push_back(playerNode);
            ++k;
        }
    }
    root->setExpanded(true);
}

QTreeWidgetItem* frmMain::treeNode(int index) const {
    if (index < 1 || index > static_cast<int>(treeNodes_.size())) return nullptr;
    return treeNodes_[static_cast<std::size_t>(index - 1)];
}

void frmMain::setTeamNodeText(int team, const QString& text) {
    if (team < 0 || team >= clsProject::kTeams) return;
    if (QTreeWidgetItem* node = treeNode(2 + 13 * team)) node->setText(0, text);
}

void frmMain::setPlayerNodeText(int team, int player, const QString& text) {
    if (team < 0 || team >= clsProject::kTeams || player < 0 || player >= clsTeam::kRoster) return;
    if (QTreeWidgetItem* node = treeNode(3 + 13 * team + player)) node->setText(0, text);
}

void frmMain::refreshEditors(bool withSchedule) {
    fillTeamPanel();
    enableTeamPanel(true);
    fillPlayerPanel();
    enablePlayerPanel(true);
    if (withSchedule) fillSchedulePanel();
    enableSchedulePanel(true);
}

void frmMain::tvProject_NodeClick(QTreeWidgetItem* node) {
    if (node == nullptr) return;
    QString key = node->data(0, kTreeKeyRole).toString();
    if (key.contains(QLatin1String("Team"))) {
        storePlayerFields();
        storeTeamFields();
        selectedTeam = std::clamp(keyNumber(key.mid(4)), 0, clsProject::kTeams - 1);
        selectedPlayer = 0;
        nesSpriteVariant = 0;
        snesSpriteVariant = 0;
        refreshEditors(false);
    } else if (key.contains(QLatin1String("Player"))) {
        storePlayerFields();
        storeTeamFields();
        int k = std::clamp(keyNumber(key.mid(6)), 0, clsProject::kTeams * clsTeam::kRoster - 1);
        selectedTeam = k / clsTeam::kRoster;
        selectedPlayer = k % clsTeam::kRoster;
        refreshEditors(false);
    }
}

clsTeam* frmMain::selectedTeamRef() { return modGlobals::project().getTeamRef(selectedTeam); }

clsPlayer* frmMain::selectedPlayerRef() {
    clsTeam* team = selectedTeamRef();
    return team != nullptr ? team->getPlayerRef(selectedPlayer) : nullptr;
}

// ---------------------------------------------------------------------------------------
// Status bar

void frmMain::updateSpaceStatus() {
    if (lblSpace == nullptr) return;
    if (!romValid || (consoleKind != Console::Nes && consoleKind != Console::Snes)) {
        lblSpace->clear();
        lblSpace->setToolTip(QString());
        return;
    }
    SpaceReport report = computeSpace(modGlobals::project(), consoleKind);
    QStringList parts;
    QStringList over;
    for (const SpaceRegion& r : report.regions) {
        parts << QStringLiteral("%1 %2/%3").arg(fromRom(r.name)).arg(r.used).arg(r.available);
        if (!r.fits()) over << fromRom(r.name);
    }
    QString text = parts.join(QStringLiteral("   "));
    if (!over.isEmpty()) text += QStringLiteral("   - too long to save: ") + over.join(QStringLiteral(", "));
    QString tip = QStringLiteral("Bytes used and available in the name tables and the player area that a save rebuilds");

    // All-star slots naming no player (a damaged roster table) stop every save as well.
    QStringList toMend, details;
    for (const AllStarCheck::Problem& p : AllStarCheck::findProblems(modGlobals::project())) {
        toMend << QStringLiteral("%1 %2").arg(QLatin1String(AllStarCheck::conferenceName(p.conference))).arg(p.slot);
        details << fromRom(AllStarCheck::describe(p));
    }
    if (!toMend.isEmpty()) {
        text += QStringLiteral("   - All-star slots need mending: ") + toMend.join(QStringLiteral(", "));
        tip += QStringLiteral("\n\nChoose a player for each empty entry of the All-Star Editor:\n") +
               details.join(QLatin1Char('\n'));
    }

    const bool flagged = !over.isEmpty() || !toMend.isEmpty();
    lblSpace->setText(text);
    lblSpace->setStyleSheet(flagged ? QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;") : QString());
    lblSpace->setToolTip(tip);
}

#include "ui/windows/MainMenus.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "model/Rating.h"
#include "ui/widgets/ToolIcons.h"

namespace {

QAction* addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

void addSeparator(QMenu* menu, const QString& name) { menu->addSeparator()->setObjectName(name); }

QMenu* addMenu(QMainWindow& window, const QString& name, const QString& caption) {
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

// The keys of an item: the ones named first (the first is the one the menu shows), then
// whatever else the desktop binds to the standard command.
void setKeys(QAction* item, QKeySequence::StandardKey standard, std::initializer_list<QKeySequence> named) {
    QList<QKeySequence> keys(named);
    for (const QKeySequence& key : QKeySequence::keyBindings(standard))
        if (!keys.contains(key)) keys << key;
    item->setShortcuts(keys);
}

QToolButton* addButton(QWidget* strip, const QString& name, const QPixmap& picture, const QString& tip) {
    auto* b = new QToolButton(strip);
    b->setObjectName(name);
    b->setIcon(QIcon(picture));
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    // The buttons take the focus when clicked, like any button of the window: a text
    // box being edited loses it (and tidies its text) before the command runs.
    b->setFocusPolicy(Qt::StrongFocus);
    b->setToolTip(tip);
    strip->layout()->addWidget(b);
    return b;
}

// The analysis items: the rating's name with its mnemonic, the name's first letter, or
// its second where a name before it starts with the same letter.
constexpr std::array<int, Rating::Count> kRatingMnemonic = {0, 0, 0, 0, 1, 1};

QString ratingCaption(std::size_t i) {
    QString name = QString::fromLatin1(kRatings[i].reportName);
    return name.insert(kRatingMnemonic[i], QLatin1Char('&')) + QStringLiteral("...");
}

// Export Patch stands last among the commands that write the image, before the separator
// above Exit; the CSV table, the trade and the edit of many players end the Project menu,
// the schedule check the Analysis menu.
void addLeagueTools(MainMenus& m) {
    QAction* beforeExit = m.menuFile->findChild<QAction*>(QStringLiteral("menuSeparator0"));
    m.menuFileExportPatch = new QAction(QStringLiteral("Export &Patch..."), m.menuFile);
    m.menuFileExportPatch->setObjectName(QStringLiteral("menuFileExportPatch"));
    m.menuFile->insertAction(beforeExit, m.menuFileExportPatch);

    addSeparator(m.menuProject, QStringLiteral("menuSeparatorCsv"));
    m.menuProjectImportCsv =
        addItem(m.menuProject, QStringLiteral("menuProjectImportCsv"), QStringLiteral("Import Players from &CSV..."));
    m.menuProjectExportCsv =
        addItem(m.menuProject, QStringLiteral("menuProjectExportCsv"), QStringLiteral("Export Players as CS&V..."));
    addSeparator(m.menuProject, QStringLiteral("menuSeparatorTrade"));
    m.menuProjectSwapPlayers =
        addItem(m.menuProject, QStringLiteral("menuProjectSwapPlayers"), QStringLiteral("&Swap Players..."));
    m.menuProjectEditSelected =
        addItem(m.menuProject, QStringLiteral("menuProjectEditSelected"), QStringLiteral("Edit Selecte&d Players..."));

    addSeparator(m.menuAnalysis, QStringLiteral("menuSeparatorCheck"));
    m.menuAnalysisCheckSchedule =
        addItem(m.menuAnalysis, QStringLiteral("menuAnalysisCheckSchedule"), QStringLiteral("&Check Schedule..."));
    m.menuAnalysisOverview =
        addItem(m.menuAnalysis, QStringLiteral("menuAnalysisOverview"), QStringLiteral("League &Overview"));
}

// Compare With and Restore Backup after Export Patch; the Tools menu after Analysis; the
// emulator's button before Exit's.
void addOtherLeagueTools(MainMenus& m, QMainWindow& window) {
    QAction* beforeExit = m.menuFile->findChild<QAction*>(QStringLiteral("menuSeparator0"));
    m.menuFileCompare = new QAction(QStringLiteral("Co&mpare With..."), m.menuFile);
    m.menuFileCompare->setObjectName(QStringLiteral("menuFileCompare"));
    m.menuFile->insertAction(beforeExit, m.menuFileCompare);
    m.menuFileRestoreBackup = new QAction(QStringLiteral("Restore &Backup..."), m.menuFile);
    m.menuFileRestoreBackup->setObjectName(QStringLiteral("menuFileRestoreBackup"));
    m.menuFile->insertAction(beforeExit, m.menuFileRestoreBackup);

    m.menuTools = addMenu(window, QStringLiteral("menuTools"), QStringLiteral("&Tools"));
    m.menuToolsTestInEmulator =
        addItem(m.menuTools, QStringLiteral("menuToolsTestInEmulator"), QStringLiteral("Test in &Emulator"));
    m.menuToolsTestInEmulator->setShortcut(QKeySequence(Qt::Key_F5));
    m.menuToolsEmulators = addItem(m.menuTools, QStringLiteral("menuToolsEmulators"), QStringLiteral("E&mulators..."));

    auto* row = static_cast<QHBoxLayout*>(m.frameMenubar->layout());
    m.cmdTestInEmulator = addButton(m.frameMenubar, QStringLiteral("cmdTestInEmulator"), ToolIcons::testPicture(),
                                    QStringLiteral("Test in Emulator (F5)"));
    row->insertWidget(row->indexOf(m.cmdExitApp), m.cmdTestInEmulator);
    QWidget::setTabOrder(m.cmdFileSave, m.cmdTestInEmulator);
}

}  // namespace

void MainMenus::build(QMainWindow& window) {
    buildFileMenu(window);
    buildEditMenu(window);
    buildProjectMenu(window);
    buildAnalysisMenu(window);
    addLeagueTools(*this);
    buildToolStrip(window);
    addOtherLeagueTools(*this, window);
}

void MainMenus::buildFileMenu(QMainWindow& window) {
    menuFile = addMenu(window, QStringLiteral("menuFile"), QStringLiteral("&File"));
    menuFileOpen = addItem(menuFile, QStringLiteral("menuFileOpen"), QStringLiteral("&Open..."));
    setKeys(menuFileOpen, QKeySequence::Open, {QKeySequence(Qt::CTRL | Qt::Key_O)});
    menuFileRecent = menuFile->addMenu(QStringLiteral("Open &Recent"));
    menuFileRecent->setObjectName(QStringLiteral("menuFileRecent"));
    menuFileSave = addItem(menuFile, QStringLiteral("menuFileSave"), QStringLiteral("&Save"));
    setKeys(menuFileSave, QKeySequence::Save, {QKeySequence(Qt::CTRL | Qt::Key_S)});
    menuFileSaveAs = addItem(menuFile, QStringLiteral("menuFileSaveAs"), QStringLiteral("Save &As..."));
    setKeys(menuFileSaveAs, QKeySequence::SaveAs, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    addSeparator(menuFile, QStringLiteral("menuSeparator0"));
    menuFileExit = addItem(menuFile, QStringLiteral("menuFileExit"), QStringLiteral("E&xit"));
    setKeys(menuFileExit, QKeySequence::Quit, {QKeySequence(Qt::CTRL | Qt::Key_Q)});
}

void MainMenus::buildEditMenu(QMainWindow& window) {
    menuEdit = addMenu(window, QStringLiteral("menuEdit"), QStringLiteral("&Edit"));
    menuEditUndo = addItem(menuEdit, QStringLiteral("menuEditUndo"), QString());
    setKeys(menuEditUndo, QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    menuEditRedo = addItem(menuEdit, QStringLiteral("menuEditRedo"), QString());
    setKeys(menuEditRedo, QKeySequence::Redo,
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    showHistory(QString(), QString());
}

void MainMenus::buildProjectMenu(QMainWindow& window) {
    menuProject = addMenu(window, QStringLiteral("menuProject"), QStringLiteral("&Project"));
    menuProjectImport = addItem(menuProject, QStringLiteral("menuProjectImport"), QStringLiteral("&Import Project..."));
    menuProjectExport = addItem(menuProject, QStringLiteral("menuProjectExport"), QStringLiteral("&Export Project..."));
    addSeparator(menuProject, QStringLiteral("menuSeparator2"));
    menuProjectImportTeam =
        addItem(menuProject, QStringLiteral("menuProjectImportTeam"), QStringLiteral("Import &Team..."));
    menuProjectExportTeam =
        addItem(menuProject, QStringLiteral("menuProjectExportTeam"), QStringLiteral("Export Te&am..."));
    addSeparator(menuProject, QStringLiteral("menuSeparator1"));
    meunProjectImportPlayer =
        addItem(menuProject, QStringLiteral("meunProjectImportPlayer"), QStringLiteral("Import &Player..."));
    menuProjectExportPlayer =
        addItem(menuProject, QStringLiteral("menuProjectExportPlayer"), QStringLiteral("Export P&layer..."));
}

void MainMenus::buildAnalysisMenu(QMainWindow& window) {
    menuAnalysis = addMenu(window, QStringLiteral("menuAnalysis"), QStringLiteral("&Analysis"));
    for (std::size_t i = 0; i < menuAnalysisAtt.size(); ++i)
        menuAnalysisAtt[i] = addItem(menuAnalysis, QStringLiteral("menuAnalysisAtt_%1").arg(i), ratingCaption(i));
    addSeparator(menuAnalysis, QStringLiteral("menuSeparator3"));
    menuAnalysisSortByPos =
        addItem(menuAnalysis, QStringLiteral("menuAnalysisSortByPos"), QStringLiteral("Sort by &Position"));
    menuAnalysisSortByPos->setCheckable(true);
    menuAnalysisSortByPos->setChecked(true);
}

void MainMenus::buildToolStrip(QMainWindow& window) {
    frameMenubar = new QWidget(&window);
    frameMenubar->setObjectName(QStringLiteral("frameMenubar"));
    auto* row = new QHBoxLayout(frameMenubar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    cmdFileLoad =
        addButton(frameMenubar, QStringLiteral("cmdFileLoad"), ToolIcons::openPicture(), QStringLiteral("Open ROM"));
    cmdFileSave =
        addButton(frameMenubar, QStringLiteral("cmdFileSave"), ToolIcons::savePicture(), QStringLiteral("Save ROM"));
    cmdExitApp =
        addButton(frameMenubar, QStringLiteral("cmdExitApp"), ToolIcons::exitPicture(), QStringLiteral("Exit Program"));
    row->addStretch(1);
}

void MainMenus::enableRomCommands(bool enabled) {
    menuFileSave->setEnabled(enabled);
    menuFileSaveAs->setEnabled(enabled);
    menuProject->setEnabled(enabled);
    menuProject->menuAction()->setEnabled(enabled);
    menuAnalysis->setEnabled(enabled);
    menuAnalysis->menuAction()->setEnabled(enabled);
    cmdFileSave->setEnabled(enabled);
    menuFileExportPatch->setEnabled(enabled);
    for (QAction* item : {menuFileCompare, menuFileRestoreBackup, menuToolsTestInEmulator}) item->setEnabled(enabled);
    cmdTestInEmulator->setEnabled(enabled);
}

void MainMenus::showHistory(const QString& undoLabel, const QString& redoLabel, bool typing) {
    menuEditUndo->setText(undoLabel.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undoLabel);
    menuEditUndo->setEnabled(typing || !undoLabel.isEmpty());
    menuEditRedo->setText(redoLabel.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo ") + redoLabel);
    menuEditRedo->setEnabled(typing || !redoLabel.isEmpty());
}

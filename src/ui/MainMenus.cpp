#include "ui/MainMenus.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "model/Rating.h"
#include "ui/ToolIcons.h"

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

QToolButton* addButton(QWidget* strip, const QString& name, const QPixmap& picture, const QString& tip) {
    auto* b = new QToolButton(strip);
    b->setObjectName(name);
    b->setIcon(QIcon(picture));
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    // The buttons take the focus when clicked, like any button of the window: a text
    // box being edited loses it (and tidies its text) before the command runs.
    b->setFocusPolicy(Qt::StrongFocus);
    if (!tip.isEmpty()) b->setToolTip(tip);
    strip->layout()->addWidget(b);
    return b;
}

// Export Patch stands last among the commands that write the image, before the separator
// above Exit; the CSV table and the trade end the Project menu, the schedule check the
// Analysis menu.
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

    addSeparator(m.menuAnalysis, QStringLiteral("menuSeparatorCheck"));
    m.menuAnalysisCheckSchedule =
        addItem(m.menuAnalysis, QStringLiteral("menuAnalysisCheckSchedule"), QStringLiteral("&Check Schedule..."));
}

}  // namespace

void MainMenus::build(QMainWindow& window) {
    menuFile = addMenu(window, QStringLiteral("menuFile"), QStringLiteral("File"));
    menuFileOpen = addItem(menuFile, QStringLiteral("menuFileOpen"), QStringLiteral("Open"));
    menuFileSave = addItem(menuFile, QStringLiteral("menuFileSave"), QStringLiteral("Save"));
    addSeparator(menuFile, QStringLiteral("menuSeparator0"));
    menuFileExit = addItem(menuFile, QStringLiteral("menuFileExit"), QStringLiteral("Exit"));

    menuProject = addMenu(window, QStringLiteral("menuProject"), QStringLiteral("Project"));
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

    menuAnalysis = addMenu(window, QStringLiteral("menuAnalysis"), QStringLiteral("Analysis"));
    for (std::size_t i = 0; i < menuAnalysisAtt.size(); ++i)
        menuAnalysisAtt[i] = addItem(menuAnalysis, QStringLiteral("menuAnalysisAtt_%1").arg(i),
                                     QString::fromLatin1(kRatings[i].reportName));
    addSeparator(menuAnalysis, QStringLiteral("menuSeparator3"));
    menuAnalysisSortByPos =
        addItem(menuAnalysis, QStringLiteral("menuAnalysisSortByPos"), QStringLiteral("Sort by Position"));
    menuAnalysisSortByPos->setCheckable(true);
    menuAnalysisSortByPos->setChecked(true);
    addLeagueTools(*this);

    frameMenubar = new QWidget(&window);
    frameMenubar->setObjectName(QStringLiteral("frameMenubar"));
    auto* row = new QHBoxLayout(frameMenubar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    cmdFileLoad = addButton(frameMenubar, QStringLiteral("cmdFileLoad"), ToolIcons::openPicture(), QString());
    cmdFileSave = addButton(frameMenubar, QStringLiteral("cmdFileSave"), ToolIcons::savePicture(), QString());
    cmdExitApp =
        addButton(frameMenubar, QStringLiteral("cmdExitApp"), ToolIcons::exitPicture(), QStringLiteral("Exit Program"));
    row->addStretch(1);
}

void MainMenus::enableRomCommands(bool enabled) {
    menuFileSave->setEnabled(enabled);
    menuProject->setEnabled(enabled);
    menuProject->menuAction()->setEnabled(enabled);
    menuAnalysis->setEnabled(enabled);
    menuAnalysis->menuAction()->setEnabled(enabled);
    cmdFileSave->setEnabled(enabled);
    menuFileExportPatch->setEnabled(enabled);
}

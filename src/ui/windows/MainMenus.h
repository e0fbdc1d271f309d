#pragma once
#include <QString>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;
class QWidget;

// The main window's commands as the user reaches them: the File, Edit, Project and
// Analysis menus of the menu bar and the tool strip frameMenubar with its three picture
// buttons, named as their objectName. Every menu and item carries a mnemonic, every item
// that opens a dialogue ends in "...", and the file and history commands have the
// desktop's standard keys. The window connects them to its commands.
struct MainMenus {
    QWidget* frameMenubar = nullptr;
    QToolButton* cmdFileLoad = nullptr;
    QToolButton* cmdFileSave = nullptr;
    QToolButton* cmdExitApp = nullptr;

    QMenu* menuFile = nullptr;
    QAction* menuFileOpen = nullptr;
    QMenu* menuFileRecent = nullptr;  // "Open Recent": the files the window lists there
    QAction* menuFileSave = nullptr;
    QAction* menuFileSaveAs = nullptr;
    QAction* menuFileExit = nullptr;
    QMenu* menuEdit = nullptr;
    QAction* menuEditUndo = nullptr;
    QAction* menuEditRedo = nullptr;
    QMenu* menuProject = nullptr;
    QAction* menuProjectImport = nullptr;
    QAction* menuProjectExport = nullptr;
    QAction* menuProjectImportTeam = nullptr;
    QAction* menuProjectExportTeam = nullptr;
    QAction* meunProjectImportPlayer = nullptr;
    QAction* menuProjectExportPlayer = nullptr;
    QMenu* menuAnalysis = nullptr;
    std::array<QAction*, 6> menuAnalysisAtt{};  // one item a rating, in attribute order
    QAction* menuAnalysisSortByPos = nullptr;   // checked at the start

    // The league's tools: a patch of the edits, the players as a table, trades, an edit of
    // many players and the schedule check.
    QAction* menuFileExportPatch = nullptr;
    QAction* menuProjectImportCsv = nullptr;
    QAction* menuProjectExportCsv = nullptr;
    QAction* menuProjectSwapPlayers = nullptr;
    QAction* menuProjectEditSelected = nullptr;  // "Edit Selected Players...": the tree's selection
    QAction* menuAnalysisCheckSchedule = nullptr;
    QAction* menuAnalysisOverview = nullptr;  // the league overview window

    // Another league's contents: Compare With... and Restore Backup... in the File menu; the
    // Tools menu tries the league in an emulator (F5, also a button of the tool strip).
    QAction* menuFileCompare = nullptr;
    QAction* menuFileRestoreBackup = nullptr;
    QMenu* menuTools = nullptr;
    QAction* menuToolsTestInEmulator = nullptr;
    QAction* menuToolsEmulators = nullptr;
    QToolButton* cmdTestInEmulator = nullptr;

    // Fills the window's menu bar and makes the tool strip, a child of the window for it
    // to place.
    void build(QMainWindow& window);
    // Save, Save As, Export Patch, the Project and Analysis menus and the save button,
    // which need an image.
    void enableRomCommands(bool enabled);
    // Undo and Redo name the step they would take ("Undo City"); an empty label greys
    // the item out, unless typing: text typed and not yet stored, which either item
    // stores first.
    void showHistory(const QString& undoLabel, const QString& redoLabel, bool typing = false);

private:
    void buildFileMenu(QMainWindow& window);
    void buildEditMenu(QMainWindow& window);
    void buildProjectMenu(QMainWindow& window);
    void buildAnalysisMenu(QMainWindow& window);
    void buildToolStrip(QMainWindow& window);
};

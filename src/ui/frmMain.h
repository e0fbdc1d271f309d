#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <string>
#include <memory>
#include <vector>

#include "base/ResultCode.h"
#include "ui/UiPlatform.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class PictureBox;
class TextBox;
class clsPlayer;
class clsTeam;
class frmAllStar;
class frmPaletteTool;
class ListClick;

// The editor's main window: menus, tool strip, project tree and the League, Team Editor
// and Player Editor frames. It owns the selection the panels share; the panels keep no
// copies of the league and fetch every record anew from modGlobals::project().
//
// The implementation is split by panel: frmMain.cpp (shell, open/save, tree, status bar),
// frmMain_player.cpp, frmMain_schedule.cpp, frmMain_team.cpp (team editor, swatches and
// figures, palette tool use) and frmMain_interchange.cpp (Project and Analysis menus).
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // messages and dialogs default to the Qt implementations when null.
    explicit frmMain(MessageSink* messages = nullptr, FileDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~frmMain() override;

    // Window state shared by the panels.
    ConsoleKind consoleKind = Console::None;
    QString romPath;
    bool romValid = false;
    int selectedTeam = 0;
    int selectedPlayer = 0;
    int selectedGame = 0;
    int nesSpriteVariant = 0;
    int snesSpriteVariant = 0;

    // ROM commands.
    void openRom();
    void saveRom();

    // Project tree and selection.
    void buildProjectTree();
    void setTeamNodeText(int team, const QString& text);
    void setPlayerNodeText(int team, int player, const QString& text);
    void refreshEditors(bool withSchedule);
    void tvProject_NodeClick(QTreeWidgetItem* node);
    QTreeWidgetItem* treeNode(int index) const;  // node by creation index from 1

    // Team editor.
    void fillTeamPanel();
    void enableTeamPanel(bool enabled);
    void showPaletteBoxes();
    void showNesUniform(bool render);
    void showSnesUniform(bool render);
    void storeTeamFields();
    void lblnespal_Click(int index);
    void lblsnespal_Click(int index);
    void picPlayerRenderNES_Click();
    void picPlayerRenderSNES_Click();

    // Player editor.
    void fillPlayerPanel();
    void enablePlayerPanel(bool enabled);
    void storePlayerFields();
    void drawRatings();
    void cmdDecAtt_Click(int index);
    void cmdIncAtt_Click(int index);

    // Schedule editor.
    void fillSchedulePanel();
    void enableSchedulePanel(bool enabled);
    void lstSchedule_Click();
    void cmbHomeAway_LostFocus();
    void cmdEditAllStar_Click();

    // Project and Analysis menus.
    void menuProjectExport_Click();
    void menuProjectImport_Click();
    void menuProjectExportTeam_Click();
    void menuProjectImportTeam_Click();
    void menuProjectExportPlayer_Click();
    void meunProjectImportPlayer_Click();
    void menuAnalysisAtt_Click(int index);
    void menuAnalysisSortByPos_Click();

    // Secondary windows (single instances, created on first use).
    frmAllStar* allStarWindow(bool create = true);
    frmPaletteTool* paletteTool(bool create = true);

    MessageSink& messages() { return *messages_; }
    FileDialogs& dialogs() { return *dialogs_; }
    QString dialogFolder() const { return dialogFolder_; }

    // The selected records; never null while the selection is in range.
    clsTeam* selectedTeamRef();
    clsPlayer* selectedPlayerRef();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void initWindow();
    void Form_Load();
    void Form_Unload();
    void enableRomCommands(bool enabled);
    void menuFileExit_Click();
    void updateSpaceStatus();

    void buildMenus();
    void buildToolStrip();
    void buildLayout();
    void buildSchedulePanel(QGroupBox* frame);
    void buildPlayerPanel(QGroupBox* frame);
    void buildTeamEditor(QGroupBox* frame);
    void connectPlayerPanel();
    void connectTeamPanel();

    // Interchange helpers.
    QString askFile(bool save, const QString& filter);
    bool runFileCommand(bool save, const QString& filter, const std::function<ResultCode(const std::string&)>& op,
                        const QString& success);
    void relabelTeamNodes();
    QString playerNodeText(int team, int player) const;

    std::unique_ptr<QtMessageSink> ownMessages_;
    std::unique_ptr<QtFileDialogs> ownDialogs_;
    MessageSink* messages_ = nullptr;
    FileDialogs* dialogs_ = nullptr;
    QString dialogFolder_;

public:
    // Controls, named as their objectName.
    QWidget* frameMenubar = nullptr;
    QToolButton* cmdFileLoad = nullptr;
    QToolButton* cmdFileSave = nullptr;
    QToolButton* cmdExitApp = nullptr;
    QTreeWidget* tvProject = nullptr;
    QGroupBox* frameProjectEditor = nullptr;
    QGroupBox* frameTeamEditor = nullptr;
    QGroupBox* framePlayerEdit = nullptr;

    QMenu* menuFile = nullptr;
    QAction* menuFileOpen = nullptr;
    QAction* menuFileSave = nullptr;
    QAction* menuFileExit = nullptr;
    QMenu* menuProject = nullptr;
    QAction* menuProjectImport = nullptr;
    QAction* menuProjectExport = nullptr;
    QAction* menuProjectImportTeam = nullptr;
    QAction* menuProjectExportTeam = nullptr;
    QAction* meunProjectImportPlayer = nullptr;
    QAction* menuProjectExportPlayer = nullptr;
    QMenu* menuAnalysis = nullptr;
    std::array<QAction*, 6> menuAnalysisAtt{};
    QAction* menuAnalysisSortByPos = nullptr;

    // Schedule editor.
    QListWidget* lstSchedule = nullptr;
    QComboBox* cmbAway = nullptr;
    QComboBox* cmbHome = nullptr;
    QPushButton* cmdEditAllStar = nullptr;

    // Team editor.
    TextBox* txtCity = nullptr;
    TextBox* txtMascot = nullptr;
    TextBox* txtAbrev = nullptr;
    TextBox* txtPPGhome = nullptr;
    TextBox* txtPPGaway = nullptr;
    PictureBox* picPlayerRenderNES = nullptr;
    PictureBox* picPlayerRenderSNES = nullptr;
    QWidget* contNesPalEd = nullptr;
    QWidget* contSnesPalEd = nullptr;
    std::array<QLabel*, 6> lblnespal{};
    std::array<QLabel*, 128> lblsnespal{};

    // Player editor.
    TextBox* txtJersey = nullptr;
    TextBox* txtFirstname = nullptr;
    TextBox* txtLastname = nullptr;
    TextBox* txtFeet = nullptr;
    TextBox* txtInches = nullptr;
    TextBox* txtWeight = nullptr;
    QComboBox* cmbPosition = nullptr;
    TextBox* txtFGpercent = nullptr;
    TextBox* txtTPTpercent = nullptr;
    TextBox* txtFTpercent = nullptr;
    std::array<PictureBox*, 6> ratingBars{};   // picRS, picJump, picSteal, picBlock, picSR, picStanima
    std::array<QLabel*, 6> ratingLabels{};     // lblRunSpeed, lblJump, lblSteal, lblBlock, lblShotRange, lblStam
    std::array<QPushButton*, 6> cmdDecAtt{};
    std::array<QPushButton*, 6> cmdIncAtt{};

    // Status bar: space used and left in each rebuilt ROM region, and the all-star slots
    // that name no player; red while either stops a save.
    QLabel* lblSpace = nullptr;

private:
    QPointer<frmAllStar> allStar_;
    QPointer<frmPaletteTool> paletteTool_;

    // --- Shell, tree, player and schedule panels ---
public:
    // Selects a game of the schedule list and runs the same handling as a click on it.
    void selectScheduleGame(int game);

private:
    void playerBox_LostFocus(TextBox* box);
    void updatePlayerNodeText();
    std::vector<QTreeWidgetItem*> treeNodes_;  // by creation index - 1
    ListClick* scheduleClick_ = nullptr;
};

#pragma once
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "session/Session.h"
#include "ui/panels/EditorSelection.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/MessageSink.h"
#include "ui/platform/ProgramStarter.h"
#include "ui/windows/MainMenus.h"

class CommandRunner;
class CompareCommands;
class EmulatorCommands;
class FileCommands;
class LeagueCommands;
class PlayerEditorPanel;
class ProjectTreePanel;
class ScheduleCheckWindow;
class ScheduleEditorPanel;
class SessionSignals;
class SpaceStatusLabel;
class TeamEditorPanel;
class frmAllStar;
class frmOverview;

// The editor's main window. It builds the shell (menus, tool strip, the places of the
// project tree and the League, Team Editor and Player Editor frames, the status bar),
// holds the selection the panels show and runs the File, Edit, Project and Analysis
// commands through its command runner and the program's session. Each panel and window
// follows the session's events itself; the main window only moves the selection first (a
// new league starts at its first player, undo and redo go to the step's team or player)
// and then shows the caption, the Undo and Redo items and the status bar anew. The caption
// names the file and ends in "*" while the league holds edits not saved; closing the window
// asks about them first. A ROM file dropped onto the window opens.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // messages, dialogs and programs default to the Qt implementations when null.
    explicit frmMain(MessageSink* messages = nullptr, FileDialogs* dialogs = nullptr,
                     ProgramStarter* programs = nullptr, QWidget* parent = nullptr);
    ~frmMain() override;

    const MainMenus& menus() const { return menus_; }
    ProjectTreePanel& tree() { return *tree_; }
    ScheduleEditorPanel& scheduleEditor() { return *schedule_; }
    TeamEditorPanel& teamEditor() { return *team_; }
    PlayerEditorPanel& playerEditor() { return *player_; }
    SpaceStatusLabel& spaceStatus() { return *status_; }
    EditorSelection& selection() { return selection_; }

    // The all-star editor, made on first use; null once closed until it is made again.
    frmAllStar* allStarWindow(bool create = true);

    // File > Compare With, Restore Backup and the Tools menu's emulator.
    CompareCommands& compareCommands() { return *compare_; }
    EmulatorCommands& emulatorCommands() { return *emulators_; }

    // Opens a ROM named on the command line: the edition from its extension.
    void openFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildLayout();
    void connectCommands();
    void Form_Load();
    void Form_Unload();
    void showStart();
    void menuFileExit_Click();
    void closeSecondaryWindows();

    // What every command runs first: the box being typed into finished as leaving it would,
    // then the editors and the schedule's team lists stored.
    void storeTyped();
    // The player editor, then (withTeam) the team editor, into the selected records; nothing
    // while the editors still show their start texts.
    void storeEditors(bool withTeam);
    void chooseTeam(int team);
    void choosePlayer(int team, int player);
    void refreshEditors();
    void showAllStarWindow();
    void prepareScheduleCheck();
    void showScheduleCheck();
    void showOverview();

    // Moves the selection for an event, before the panels show it.
    void followEvent(const LeagueEvent& event);
    void followStep(const LeagueChange& change);
    // The caption with its modified marker, the Undo and Redo items and the status bar.
    void showLeagueState();
    void showFileState();

    Session& session_;
    std::unique_ptr<QtMessageSink> ownMessages_;
    std::unique_ptr<QtFileDialogs> ownDialogs_;
    MessageSink* messages_ = nullptr;
    FileDialogs* dialogs_ = nullptr;
    QString captionFile_;       // the file the caption names; empty before the first file was read
    bool leagueShown_ = false;  // the editors show a league (after the first successful open)
    EditorSelection selection_;

    MainMenus menus_;
    ProjectTreePanel* tree_ = nullptr;
    ScheduleEditorPanel* schedule_ = nullptr;
    TeamEditorPanel* team_ = nullptr;
    PlayerEditorPanel* player_ = nullptr;
    SpaceStatusLabel* status_ = nullptr;
    QPointer<frmAllStar> allStar_;
    CommandRunner* runner_ = nullptr;
    LeagueCommands* leagueCommands_ = nullptr;
    FileCommands* files_ = nullptr;
    ProgramStarter* programs_ = nullptr;  // the one given, or a QtProgramStarter child of the window
    CompareCommands* compare_ = nullptr;
    EmulatorCommands* emulators_ = nullptr;
    QPointer<ScheduleCheckWindow> scheduleCheck_;
    QPointer<frmOverview> overview_;
    // Declared last: it stops observing the session before anything it calls on goes.
    std::unique_ptr<SessionSignals> sessionSignals_;
};

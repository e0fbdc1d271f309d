#pragma once
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "session/Session.h"
#include "ui/EditorSelection.h"
#include "ui/MainMenus.h"
#include "ui/UiPlatform.h"

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

// The editor's main window. It builds the shell (menus, tool strip, the places of the
// project tree and the League, Team Editor and Player Editor frames, the status bar),
// holds the selection the panels show, runs the File, Edit, Project and Analysis commands
// through the program's session and keeps what it shows in step with the league: every
// open, import, change, undo and redo of the league runs one refresh. The caption names
// the file and ends in "*" while the league holds edits not saved; closing the window
// asks about them first. A ROM file dropped onto the window opens.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // messages and dialogs default to the Qt implementations when null.
    explicit frmMain(MessageSink* messages = nullptr, FileDialogs* dialogs = nullptr, QWidget* parent = nullptr);
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

    // Opens a ROM named on the command line: the edition from its extension.
    void openFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // What a refresh shows anew.
    enum class Scope {
        Status,        // an open that failed: the league is as it was
        Edit,          // a store of an editor: tree texts, the schedule after an abbreviation
        Player,        // the selected player was imported
        Team,          // the selected team was imported
        Players,       // players of any team changed: a CSV import, a trade
        League,        // a project import replaced the league, or a revert
        OpenedLeague,  // an open replaced the league
        Restored,      // undo or redo took the league over a step
    };

    void buildLayout();
    void connectCommands();
    void Form_Load();
    void Form_Unload();
    void showStart();
    void menuFileExit_Click();
    void closeSecondaryWindows();

    void storeEditors(bool withTeam);
    void storeAll();
    void storeTyped();
    void undo();
    void redo();
    void selectStep(EditTarget target);
    void chooseTeam(int team);
    void choosePlayer(int team, int player);
    void refreshEditors(bool withSchedule);
    void showAllStarWindow();
    void showScheduleCheck();

    // The one refresh: tree, editors, status bar and the open all-star and schedule check
    // windows.
    void refresh(Scope scope, const QString& label, EditTarget target);
    void leagueReplaced(const QString& label);
    void leagueChanged(const QString& label, int team, int player);
    // The caption with its modified marker, and the Undo and Redo items.
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
    LeagueCommands* leagueCommands_ = nullptr;
    FileCommands* files_ = nullptr;
    QPointer<ScheduleCheckWindow> scheduleCheck_;
    // Declared last: it stops observing the session before anything it calls on goes.
    std::unique_ptr<SessionSignals> sessionSignals_;
};

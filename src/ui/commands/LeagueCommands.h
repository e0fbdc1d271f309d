#pragma once
#include <QObject>
#include <QString>

#include "ui/commands/InterchangeCommands.h"
#include "ui/commands/PatchExport.h"
#include "ui/commands/RosterCommands.h"

class CommandRunner;
class FileDialogs;
class MessageSink;
class ProjectTreePanel;
class QWidget;
class Session;
struct EditorSelection;
struct MainMenus;

// The commands that carry the league to and from files and between rosters, wired to the
// items that reach them: the Project menu (player, team and project files, the CSV table,
// Swap Players, Edit Selected Players), the Analysis menu's reports, File > Export Patch, and
// a player node of the tree dropped onto another (several dragged at once are refused). Each runs through the window's
// command runner, which stores what the controls hold first: an export writes out a value still being edited, and what
// the editors hold travels with its player in a trade.
class LeagueCommands : public QObject {
    Q_OBJECT
public:
    LeagueCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, const MainMenus& menus,
                   ProjectTreePanel& tree, EditorSelection& selection, CommandRunner& runner, QWidget* window);

    // The folder every dialogue starts in.
    void setDialogFolder(const QString& folder);

private:
    void connectProjectMenu(const MainMenus& menus);
    void connectReports(const MainMenus& menus);
    // The Edit Selected Players dialogue for the players selected in the tree.
    void editSelectedPlayers();

    Session& session_;
    MessageSink& messages_;
    ProjectTreePanel& tree_;
    QWidget* window_;
    EditorSelection& selection_;
    CommandRunner& runner_;
    QString folder_;  // read by the patch export each time it runs
    InterchangeCommands interchange_;
    PatchExport patch_;
    RosterCommands roster_;
};

#pragma once
#include <QObject>
#include <QString>
#include <functional>

#include "ui/InterchangeCommands.h"
#include "ui/PatchExport.h"
#include "ui/RosterCommands.h"

class FileDialogs;
class MessageSink;
class ProjectTreePanel;
class QWidget;
class Session;
struct EditorSelection;
struct MainMenus;

// The commands that carry the league to and from files and between rosters, wired to the
// items that reach them: the Project menu (player, team and project files, the CSV table,
// Swap Players), the Analysis menu's reports, File > Export Patch, and a player node of the
// tree dropped onto another. Every export, report and patch first stores what the editors
// still show, so that a value being edited is written out; the imports replace what the
// editors show; a trade first stores the editors, so that what they hold travels with
// its player.
class LeagueCommands : public QObject {
    Q_OBJECT
public:
    struct Stores {
        std::function<void(bool withTeam)> editors;  // the player editor, and with it the team editor
    };

    LeagueCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, const MainMenus& menus,
                   ProjectTreePanel& tree, EditorSelection& selection, QWidget* window, Stores stores);

    // The folder every dialogue starts in.
    void setDialogFolder(const QString& folder);

private:
    void connectProjectMenu(const MainMenus& menus);
    void connectReports(const MainMenus& menus);

    EditorSelection& selection_;
    Stores stores_;
    QString folder_;  // read by the patch export each time it runs
    InterchangeCommands interchange_;
    PatchExport patch_;
    RosterCommands roster_;
};

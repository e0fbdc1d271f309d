#include "ui/commands/LeagueCommands.h"

#include <QAction>

#include "ui/commands/CommandRunner.h"
#include "ui/panels/EditorSelection.h"
#include "ui/panels/ProjectTreePanel.h"
#include "ui/platform/MessageSink.h"
#include "ui/windows/BulkEditDialog.h"
#include "ui/windows/MainMenus.h"

LeagueCommands::LeagueCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, const MainMenus& menus,
                               ProjectTreePanel& tree, EditorSelection& selection, CommandRunner& runner,
                               QWidget* window)
    : QObject(window),
      session_(session),
      messages_(messages),
      tree_(tree),
      window_(window),
      selection_(selection),
      runner_(runner),
      interchange_(session, messages, dialogs, window),
      patch_(session, messages, dialogs, folder_, window),
      roster_(session, selection, window) {
    connectProjectMenu(menus);
    connectReports(menus);
    runner_.bind(menus.menuFileExportPatch, [this] { patch_.run(); });
    connect(&tree, &ProjectTreePanel::playerDropped, this, [this](int team, int player, int ontoTeam, int ontoPlayer) {
        runner_.run([=, this] { roster_.swap({team, player}, {ontoTeam, ontoPlayer}); });
    });
    connect(&tree, &ProjectTreePanel::severalDragged, this, [this](int players) {
        messages_.message(window_,
                          QStringLiteral("A trade takes one player: %1 are selected. Drag a single player onto "
                                         "another.")
                              .arg(players),
                          MessageSink::Icon::Exclamation);
    });
}

void LeagueCommands::setDialogFolder(const QString& folder) {
    folder_ = folder;
    interchange_.setDialogFolder(folder);
}

void LeagueCommands::connectProjectMenu(const MainMenus& menus) {
    runner_.bind(menus.menuProjectExport, [this] { interchange_.exportProject(); });
    runner_.bind(menus.menuProjectImport, [this] { interchange_.importProject(); });
    runner_.bind(menus.menuProjectExportTeam, [this] { interchange_.exportTeam(selection_.team); });
    runner_.bind(menus.menuProjectImportTeam, [this] { interchange_.importTeam(selection_.team); });
    runner_.bind(menus.menuProjectExportPlayer,
                 [this] { interchange_.exportPlayer(selection_.team, selection_.player); });
    runner_.bind(menus.meunProjectImportPlayer,
                 [this] { interchange_.importPlayer(selection_.team, selection_.player); });
    runner_.bind(menus.menuProjectExportCsv, [this] { interchange_.exportPlayersCsv(); });
    runner_.bind(menus.menuProjectImportCsv, [this] { interchange_.importPlayersCsv(); });
    runner_.bind(menus.menuProjectSwapPlayers, [this] { roster_.chooseAndSwap(); });
    runner_.bind(menus.menuProjectEditSelected, [this] { editSelectedPlayers(); });
}

void LeagueCommands::editSelectedPlayers() {
    std::vector<Trade::Place> places = tree_.selectedPlayers();
    if (places.empty()) {
        messages_.message(window_,
                          QStringLiteral("Select the players to edit in the tree first: a player, a team, or "
                                         "several with Ctrl or Shift."),
                          MessageSink::Icon::Exclamation);
        return;
    }
    BulkEditDialog dialog(session_, std::move(places), window_);
    dialog.exec();
}

// "Sort by Position" is a check item: choosing it flips its check mark, which the reports
// read when they are written.
void LeagueCommands::connectReports(const MainMenus& menus) {
    for (std::size_t i = 0; i < menus.menuAnalysisAtt.size(); ++i) {
        runner_.bind(menus.menuAnalysisAtt[i], [this, i, sortByPos = menus.menuAnalysisSortByPos] {
            interchange_.writeReport(static_cast<int>(i), sortByPos->isChecked());
        });
    }
}

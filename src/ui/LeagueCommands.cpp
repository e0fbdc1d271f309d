#include "ui/LeagueCommands.h"

#include <QAction>

#include "ui/EditorSelection.h"
#include "ui/MainMenus.h"
#include "ui/ProjectTreePanel.h"

LeagueCommands::LeagueCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, const MainMenus& menus,
                               ProjectTreePanel& tree, EditorSelection& selection, QWidget* window, Stores stores)
    : QObject(window),
      selection_(selection),
      stores_(std::move(stores)),
      interchange_(session, messages, dialogs, window),
      patch_(session, messages, dialogs, folder_, window),
      roster_(
          session, selection, [this] { stores_.editors(true); }, window) {
    connectProjectMenu(menus);
    connectReports(menus);

    connect(menus.menuFileExportPatch, &QAction::triggered, this, [this] {
        stores_.editors(true);
        patch_.run();
    });
    connect(&tree, &ProjectTreePanel::playerDropped, this, [this](int team, int player, int ontoTeam, int ontoPlayer) {
        roster_.swap({team, player}, {ontoTeam, ontoPlayer});
    });
}

void LeagueCommands::setDialogFolder(const QString& folder) {
    folder_ = folder;
    interchange_.setDialogFolder(folder);
}

void LeagueCommands::connectProjectMenu(const MainMenus& menus) {
    connect(menus.menuProjectExport, &QAction::triggered, this, [this] {
        stores_.editors(true);
        interchange_.exportProject();
    });
    connect(menus.menuProjectImport, &QAction::triggered, this, [this] { interchange_.importProject(); });
    connect(menus.menuProjectExportTeam, &QAction::triggered, this, [this] {
        stores_.editors(true);
        interchange_.exportTeam(selection_.team);
    });
    connect(menus.menuProjectImportTeam, &QAction::triggered, this,
            [this] { interchange_.importTeam(selection_.team); });
    connect(menus.menuProjectExportPlayer, &QAction::triggered, this, [this] {
        stores_.editors(false);
        interchange_.exportPlayer(selection_.team, selection_.player);
    });
    connect(menus.meunProjectImportPlayer, &QAction::triggered, this,
            [this] { interchange_.importPlayer(selection_.team, selection_.player); });
    connect(menus.menuProjectExportCsv, &QAction::triggered, this, [this] {
        stores_.editors(true);
        interchange_.exportPlayersCsv();
    });
    connect(menus.menuProjectImportCsv, &QAction::triggered, this, [this] { interchange_.importPlayersCsv(); });
    connect(menus.menuProjectSwapPlayers, &QAction::triggered, this, [this] { roster_.chooseAndSwap(); });
}

// "Sort by Position" is a check item: choosing it flips its check mark, which the reports
// read when they are written.
void LeagueCommands::connectReports(const MainMenus& menus) {
    for (std::size_t i = 0; i < menus.menuAnalysisAtt.size(); ++i) {
        connect(menus.menuAnalysisAtt[i], &QAction::triggered, this,
                [this, i, sortByPos = menus.menuAnalysisSortByPos] {
                    stores_.editors(true);
                    interchange_.writeReport(static_cast<int>(i), sortByPos->isChecked());
                });
    }
}

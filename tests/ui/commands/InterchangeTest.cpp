// The Project and Analysis menus and File > Export Patch: each asks for its file with its filter,
// asks before replacing one, writes what the screen shows and says why it failed; the imports
// bring back what the file holds, and a refused file changes nothing.
#include "interchange/AttributeReport.h"
#include "interchange/ProjectFile.h"
#include "patch/PatchFormat.h"
#include "ui/support/UiHarness.h"

namespace fs = std::filesystem;
using Interchange = UiTest;

TEST_F(Interchange, EachCommandAsksWithItsFilterAndAsksBeforeReplacingAFile) {
    openDemo();
    const std::string tpr = "Tamsel Project File (*.tpr)| *.tpr", csv = "CSV Table (*.csv)|*.csv|";
    const std::tuple<std::string, std::string, std::string> items[] = {
        // item, its dialogue, what it writes
        {"menuProjectExport", "save " + tpr, "Project exported!"},
        {"menuProjectImport", "open " + tpr, ""},
        {"menuProjectExportTeam", "save Tamsel Team File (*.tte)| *.tte", "Team exported!"},
        {"menuProjectImportTeam", "open Tamsel Team File (*.tte)| *.tte", ""},
        {"menuProjectExportPlayer", "save Tamsel Player File (*.tpl)| *.tpl", "Player exported!"},
        {"meunProjectImportPlayer", "open Tamsel Player File (*.tpl)| *.tpl", ""},
        {"menuProjectExportCsv", "save " + csv, "Players exported!"},
        {"menuProjectImportCsv", "open " + csv, ""},
        {"menuAnalysisAtt_5", "save Text File (*.txt)| *.txt", "Analysis complete!"},
        {"menuFileExportPatch", "save BPS Patch (*.bps)|*.bps|IPS Patch (*.ips)|*.ips|", "Patch exported!"},
        {"menuFileSaveAs", "save NES Rom (*.nes)|*.nes|", "File successfully saved!"},
    };
    for (const auto& [item, dialogue, written] : items) {
        SCOPED_TRACE(item);
        dialogs.requests.clear();
        play({{"menu " + item, "", "", "",
               [&, dialogue = dialogue] { EXPECT_EQ(dialogs.requests, Lines{dialogue + " in " + dir}); }}});
        if (written.empty()) continue;
        const std::string ext = dialogue.substr(dialogue.find("(*") + 2, 4), taken = "taken" + ext;
        const std::string ask = "ask: " + taken + " already exists. Replace it?", missing = file("missing/out" + ext);
        const auto kept = [&](bool kept) {
            return [&, kept] { EXPECT_EQ(testsupport::readText(file(taken)) == "kept", kept); };
        };
        testsupport::writeText(file(taken), "kept");
        play({
            {"file " + missing + ", menu " + item, "",
             "warning: Error writing " + std::string(ext == ".nes" ? "to disk" : "file") +
                 "! | No such file or directory: " + missing},
            {"answer No, file taken, menu " + item, "", ask, "", kept(true)},
            {"answer Yes, file taken, menu " + item, "", ask + "\n" + written, "", kept(false)},
        });
    }
}

// A last name typed and still in its box is exported; the record is then changed and the import
// brings back what the file holds, and only that. A refused file changes nothing and says why.
TEST_F(Interchange, ImportsBringBackWhatWasExported) {
    openDemo();
    testsupport::writeText(file("bad.tte"), "city=X\r\n#2\r\njersey=1000\r\n#END\r\n");
    play({
        {"click player 5.3, type smith into txtLastname, file p.tpl, menu menuProjectExportPlayer, file t.tte, menu "
         "menuProjectExportTeam, file l.tpr, menu menuProjectExport",
         "player 5.3 last: \"COLGAN\" -> \"SMITH\"", "Player exported!\nTeam exported!\nProject exported!"},
        {"type jones into txtLastname, type elsewhere into txtCity, type 77 into txtJersey, click player 5.3",
         "team 5 city: \"FENHOLT\" -> \"ELSEWHERE\"\nplayer 5.3 last: \"SMITH\" -> \"JONES\"\nplayer 5.3 jersey: 20 -> "
         "77"},
        {"file p.tpl, menu meunProjectImportPlayer",
         "player 5.3 last: \"JONES\" -> \"SMITH\"\nplayer 5.3 jersey: 77 -> 20", "Player imported!", "Import Player",
         [this] { EXPECT_EQ(node(playerNode(5, 3))->text(0), "20-CALE SMITH"); }},
        {"file t.tte, menu menuProjectImportTeam", "team 5 city: \"ELSEWHERE\" -> \"FENHOLT\"", "Team imported!",
         nullptr, [this] { EXPECT_EQ(teamUi().txtCity->text(), "FENHOLT"); }},
        {"file bad.tte, menu menuProjectImportTeam, click team 20", "",
         "warning: Error reading file! | line 3: jersey: '1000' is outside 0..255"},
        {"choose 3 in cmbHome, click player 1.1, file l.tpr, menu menuProjectImport", "", "Team imported!",
         "Import Project",
         [this] { EXPECT_EQ(scheduleUi().lstSchedule->item(0)->text(), qs(league().getMatchupStr(0))); }},
    });
}

// The players as a CSV table go out with what the editors hold and come back whole as one step,
// shown in the tree, the editors and an open all-star window; a broken table changes nothing.
TEST_F(Interchange, PlayersGoOutAsACsvTableAndComeBackWhole) {
    openDemo();
    play({
        {"click cmdEditAllStar, click player 0.2, type smith into txtLastname, file p.csv, menu menuProjectExportCsv",
         "player 0.2 last: \"GALRICK\" -> \"SMITH\"", "Players exported!"},
        {"type jones into txtLastname, click player 5.5, type 222 into txtWeight, file p.csv, menu "
         "menuProjectImportCsv",
         "", "Players imported!", "Import Players from CSV",
         [this] {
             EXPECT_TRUE(node(playerNode(0, 2))->text(0).endsWith(" SMITH"));
             EXPECT_EQ(playerUi().txtWeight->text(), "204");  // the table's
             EXPECT_EQ(w->allStarWindow(false)->lstWEST->item(0)->text(), "EMRY SMITH");
         }},
    });
    testsupport::writeText(file("p.csv"), testsupport::readText(file("p.csv")) + "x,y\r\n");
    play({{"file p.csv, menu menuProjectImportCsv", "",
           "warning: Error reading file! | line 326: the row has 2 fields, the header 18", "Import Players from CSV"}});
}

// The report of the item's rating, by position while "Sort by Position" is checked.
TEST_F(Interchange, ReportsRankTheItemsRatingAndSortByPositionToggles) {
    openDemo();
    for (const bool byPosition : {true, false}) {
        act("file r.txt, menu menuAnalysisAtt_4" +
            std::string(byPosition ? "" : ", answer Yes, file r.txt, menu menuAnalysisAtt_4"));
        ASSERT_EQ(AttributeReport::writeSortedList(league(), file("c.txt"), 4, byPosition), Result::Ok);
        EXPECT_EQ(testsupport::readText(file("r.txt")), testsupport::readText(file("c.txt")));
        act("menu menuAnalysisSortByPos");
    }
}

// The patch turns the image as opened into what Save then writes, in the format a typed .ips or
// .bps names, else the chosen line's, and leaves the ROM file and the session as they are.
// A league that does not fit gives Save's message and asks for no file.
TEST_F(Interchange, APatchHoldsTheEditsInTheFormatNamedAndFailuresWriteNothing) {
    for (const auto& [kind, typed, written, format] :
         {std::tuple{Console::Nes, "edits", "edits.bps", patch::PatchFormat::Bps},
          {Console::Nes, "edits.IPS line 2", "edits.IPS", patch::PatchFormat::Ips},
          {Console::Snes, "edits.ips", "edits.ips", patch::PatchFormat::Ips},
          {Console::Snes, "game.smc line 2", "game.smc.ips", patch::PatchFormat::Ips}}) {
        SCOPED_TRACE(typed);
        openDemo(kind);
        const std::vector<std::uint8_t> opened = testsupport::readBytes(rom);
        play({{"click player 3.2, type smythe into txtLastname, file " + std::string(typed) +
                   ", menu menuFileExportPatch",
               "player 3.2 last: \"COLFORD\" -> \"SMYTHE\"", "Patch exported!", "Last Name",
               [&] { EXPECT_EQ(testsupport::readBytes(rom), opened); }}});
        const std::vector<std::uint8_t> made = testsupport::readBytes(file(written));
        EXPECT_EQ(patch::formatOfBytes(made), format);
        act("menu menuFileSave");
        std::vector<std::uint8_t> patched;
        ASSERT_EQ(patch::applyPatch(opened, made, patched), patch::PatchResult::Ok);
        EXPECT_EQ(patched, testsupport::readBytes(rom));
        restart();
    }
    start();
    EXPECT_FALSE(menus().menuFileExportPatch->isEnabled());
    openDemo();
    session().edit("Last Name", LeagueChange::ofEveryPlayer(), [](clsProject& l) {
        for (int t = 0; t < clsProject::kTeams; ++t)
            for (int p = 0; p < clsTeam::kRoster; ++p) l.getTeamRef(t)->getPlayerRef(p)->setLast("MNOPQRSTUVWX");
    });
    EXPECT_TRUE(statusText().contains("Too long")) << statusText().toStdString();
    const std::string tooLong = "warning: Player names are too long!";
    play({{"menu menuFileExportPatch, menu menuFileSave", "", tooLong + "\n" + tooLong}});
    restart();
    std::vector<std::uint8_t> big = DemoRom::makeSnes();
    big.resize(0x1000000 + 1);
    openImage(big, "big.smc");
    play({{"menu menuFileExportPatch, file big.ips line 2, menu menuFileExportPatch", "",
           "warning: Images over 16 MiB cannot be IPS-patched!"}});
    EXPECT_FALSE(fs::exists(file("big.ips")));
}

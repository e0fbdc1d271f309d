// Edits and imports through the session: each one step of the history, heard by the observers
// and undone and redone whole; refused imports and edits that change nothing are no step.
#include <gtest/gtest.h>

#include "demo/DemoRom.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "session/Session.h"
#include "support/TestSupport.h"

namespace {

using Kind = LeagueEvent::Nature;

// A session with the NES demo image open, and a folder holding files to import.
class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::writeBytes(dir + "/game.nes", DemoRom::makeNes());
        ASSERT_TRUE(session.open(dir + "/game.nes", Console::Nes).ok());
        id = session.observe([this](const LeagueEvent& e) { heard.push_back(e); });
    }
    void TearDown() override { session.forget(id); }
    void city(const char* text) {
        session.edit("City", LeagueChange::ofTeam(0, LeagueChange::TeamNames),
                     [text](clsProject& l) { l.getTeamRef(0)->setCity(text); });
    }

    // A folder of each test's own: ctest runs the tests side by side.
    std::string dir =
        testsupport::freshDir(std::string("undo_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Session session;
    std::vector<LeagueEvent> heard;
    int id = 0;
};

// One step of each kind: the event it is heard as, and what it does to the league. An edit runs the
// change; an import reads a file written from the league with the change made.
struct StepRow {
    const char* name;
    LeagueEvent event;
    std::function<void(clsProject&)> change;
};

const StepRow kSteps[] = {
    {"edit of a team field",
     {Kind::Changed, "City", LeagueChange::ofTeam(3, LeagueChange::TeamNames)},
     [](clsProject& l) { l.getTeamRef(3)->setCity("HALIFAX"); }},
    {"rating step",
     {Kind::Changed, "Rating", LeagueChange::ofPlayer({5, 7})},
     [](clsProject& l) { l.getTeamRef(5)->getPlayerRef(7)->incStam(); }},
    {"import of a project",
     {Kind::Changed, "Import Project", LeagueChange::ofLeague()},
     [](clsProject& l) {
         l.getTeamRef(0)->setMascot("OTTERS");
         l.setMatchupBytes(9, 4, 5);
     }},
    {"import of a team",
     {Kind::Changed, "Import Team", LeagueChange::ofWholeTeam(2)},
     [](clsProject& l) { l.getTeamRef(2)->setAbrev("QQQ"); }},
    {"import of a player",
     {Kind::Changed, "Import Player", LeagueChange::ofPlayer({4, 6})},
     [](clsProject& l) { l.getTeamRef(4)->getPlayerRef(6)->setLast("ZED"); }},
};

TEST_F(UndoTest, EachKindOfStepIsHeardAndUndoneAndRedoneWhole) {
    for (const StepRow& row : kSteps) {
        SCOPED_TRACE(row.name);
        const clsProject before = session.league();
        clsProject after = before;
        row.change(after);
        // An import's team and player: the last player its change names.
        const auto [team, player] = row.event.change.players.empty() ? Trade::Place{} : row.event.change.players.back();
        heard.clear();
        const std::string file =
            dir + "/step";  // an import's file; after then holds what reading it over the league gives
        if (row.event.label == "Import Project") {
            ASSERT_EQ(ProjectFile::exportProject(after, file), Result::Ok);
            ASSERT_EQ(ProjectFile::importProject(after = before, file), Result::Ok);
            ASSERT_TRUE(session.importProject(file).imported);
        } else if (row.event.label == "Import Team") {
            ASSERT_EQ(TeamFile::exportTeam(*after.getTeamRef(team), file), Result::Ok);
            ASSERT_EQ(TeamFile::importTeam(*(after = before).getTeamRef(team), file), Result::Ok);
            ASSERT_TRUE(session.importTeam(team, file).imported);
        } else if (row.event.label == "Import Player") {
            ASSERT_EQ(PlayerFile::exportPlayer(*after.getTeamRef(team)->getPlayerRef(player), file), Result::Ok);
            ASSERT_EQ(PlayerFile::importPlayer(*(after = before).getTeamRef(team)->getPlayerRef(player), file),
                      Result::Ok);
            ASSERT_TRUE(session.importPlayer(team, player, file).imported);
        } else {
            ASSERT_TRUE(session.edit(row.event.label, row.event.change, row.change));
        }
        ASSERT_NE(after, before);
        EXPECT_EQ(session.league(), after);
        EXPECT_EQ(heard, std::vector<LeagueEvent>{row.event});
        EXPECT_EQ(session.history().undoLabel(), row.event.label);
        const LeagueEvent restored{Kind::Restored, row.event.label, row.event.change};

        ASSERT_TRUE(session.undo());
        EXPECT_EQ(session.league(), before);
        EXPECT_EQ(session.history().redoLabel(), row.event.label);
        EXPECT_EQ(heard, (std::vector<LeagueEvent>{row.event, restored}));
        EXPECT_FALSE(session.modified());

        ASSERT_TRUE(session.redo());
        EXPECT_EQ(session.league(), after);
        EXPECT_EQ(heard.back(), restored);
        EXPECT_TRUE(session.modified());
        ASSERT_TRUE(session.undo());  // back to the opened league for the next row
    }
}

TEST_F(UndoTest, StepsAreTakenInOrderAndANewStepDropsWhatCouldBeRedone) {
    const std::string opened = session.league().getTeamRef(0)->getCity();
    city("A");
    city("B");
    city("C");
    ASSERT_TRUE(session.undo());
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.league().getTeamRef(0)->getCity(), "A");
    city("D");
    EXPECT_FALSE(session.history().canRedo());
    ASSERT_TRUE(session.undo());
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.league().getTeamRef(0)->getCity(), opened);
    EXPECT_FALSE(session.undo());
    EXPECT_EQ(session.league().getTeamRef(0)->getCity(), opened);
}

TEST_F(UndoTest, RefusedImportsAndEditsThatChangeNothingAreNoStep) {
    const clsProject opened = session.league();
    EXPECT_FALSE(session.edit("City", LeagueChange::ofTeam(0, LeagueChange::TeamNames),
                              [&](clsProject& l) { l.getTeamRef(0)->setCity(opened.getTeamRef(0)->getCity()); }));
    testsupport::writeText(dir + "/bad.tpr", "@3\r\nps=300\r\n@END\r\n");  // how each file refuses is the readers' test
    testsupport::writeText(dir + "/bad.tte", "city=X\r\n#2\r\njersey=1000\r\n#END\r\n");
    testsupport::writeText(dir + "/bad.tpl", "jump=x\r\n");
    ASSERT_EQ(TeamFile::exportTeam(*opened.getTeamRef(4), dir + "/good.tte"), Result::Ok);
    ASSERT_EQ(PlayerFile::exportPlayer(*opened.getTeamRef(4)->getPlayerRef(9), dir + "/good.tpl"), Result::Ok);
    const std::tuple<const char*, std::function<ImportResult()>, std::string> rows[] = {
        {"a project file that does not read", [&] { return session.importProject(dir + "/bad.tpr"); },
         "line 2: ps: '300' is outside 0..255"},
        {"a team file that does not read", [&] { return session.importTeam(4, dir + "/bad.tte"); },
         "line 3: jersey: '1000' is outside 0..255"},
        {"a player file that does not read", [&] { return session.importPlayer(4, 9, dir + "/bad.tpl"); },
         "line 1: jump: 'x' is not a number"},
        {"team 27", [&] { return session.importTeam(27, dir + "/good.tte"); }, "there is no team 27"},
        {"player 12", [&] { return session.importPlayer(4, 12, dir + "/good.tpl"); },
         "there is no player 12 of team 4"},
    };
    for (const auto& [name, import, refusal] : rows) {
        SCOPED_TRACE(name);
        const ImportResult r = import();
        EXPECT_FALSE(r.imported);
        EXPECT_EQ(r.report.text(), refusal);
    }
    EXPECT_TRUE(session.league() == opened);
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_TRUE(heard.empty());
}

TEST_F(UndoTest, ModifiedFollowsEditsSaveUndoAndRedoAndOpeningStartsAFreshHistory) {
    const std::string opened = session.league().getTeamRef(0)->getCity();
    city("SAVED");
    EXPECT_TRUE(session.modified());
    city(opened.c_str());
    EXPECT_FALSE(session.modified()) << "edited back to the league opened";
    city("SAVED");
    ASSERT_TRUE(session.save().ok());
    EXPECT_FALSE(session.modified());
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(session.modified()) << "the league now differs from the one saved";
    ASSERT_TRUE(session.redo());
    EXPECT_FALSE(session.modified());
    ASSERT_TRUE(session.open(dir + "/game.nes", Console::Nes).ok());
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_FALSE(session.history().canRedo());
}

TEST_F(UndoTest, TheHistoryKeepsItsNewestStepsUpToItsLimit) {
    for (std::size_t i = 0; i < UndoHistory::kLimit + 5; ++i)
        session.edit("Points", LeagueChange::ofTeam(0, LeagueChange::TeamNumbers),
                     [i](clsProject& l) { l.getTeamRef(0)->setPointsScored(static_cast<std::uint8_t>(i % 200 + 1)); });
    EXPECT_EQ(session.history().undoCount(), UndoHistory::kLimit);
    while (session.undo()) {
    }
    EXPECT_EQ(session.league().getTeamRef(0)->getPointsScored(), 5) << "the league before step 6, the oldest kept";
}

}  // namespace

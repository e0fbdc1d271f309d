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

// A session with the NES demo image open, and a folder of each test's own (ctest runs them side by side).
class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::writeBytes(dir + "/game.nes", DemoRom::makeNes());
        ASSERT_TRUE(session.open(dir + "/game.nes", Console::Nes).ok());
        session.observe([this](const LeagueEvent& e) { heard.push_back(e); });
    }
    void city(const std::string& text) {
        session.edit("City", LeagueChange::ofTeam(0, LeagueChange::TeamNames),
                     [text](clsProject& l) { l.getTeamRef(0)->setCity(text); });
    }
    std::string cityNow() const { return session.league().getTeamRef(0)->getCity(); }

    std::string dir =
        testsupport::freshDir(std::string("undo_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Session session;
    std::vector<LeagueEvent> heard;
};

// One step of each kind: the event it is heard as, and what it does to the league. An edit runs the change; an
// import reads a file written from the league with the change made.
TEST_F(UndoTest, EachKindOfStepIsHeardAndUndoneAndRedoneWhole) {
    const std::pair<LeagueEvent, std::function<void(clsProject&)>> rows[] = {
        {{Kind::Changed, "Rating", LeagueChange::ofPlayer({5, 7})},
         [](clsProject& l) { l.getTeamRef(5)->getPlayerRef(7)->incStam(); }},
        {{Kind::Changed, "Import Project", LeagueChange::ofLeague()},
         [](clsProject& l) { l.setMatchupBytes(9, 4, 5); }},
        {{Kind::Changed, "Import Team", LeagueChange::ofWholeTeam(2)},
         [](clsProject& l) { l.getTeamRef(2)->setAbrev("QQQ"); }},
        {{Kind::Changed, "Import Player", LeagueChange::ofPlayer({4, 6})},
         [](clsProject& l) { l.getTeamRef(4)->getPlayerRef(6)->setLast("ZED"); }},
    };
    for (const auto& [event, change] : rows) {
        SCOPED_TRACE(event.label);
        const clsProject before = session.league();
        clsProject after = before;
        change(after);
        // An import's team: the one its change names; its player: the last one named.
        const int team = event.change.teams.empty()
                             ? (event.change.players.empty() ? 0 : event.change.players.back().team)
                             : event.change.teams.front();
        const int player = event.change.players.empty() ? -1 : event.change.players.back().slot;
        const std::string file = dir + "/step";
        heard.clear();
        if (event.label == "Import Project") {
            ASSERT_EQ(ProjectFile::exportProject(after, file), Result::Ok);
            ASSERT_EQ(ProjectFile::importProject(after = before, file), Result::Ok);  // as the session reads it
            ASSERT_TRUE(session.importProject(file).imported);
        } else if (event.label == "Import Team") {
            ASSERT_EQ(TeamFile::exportTeam(*after.getTeamRef(team), file), Result::Ok);
            ASSERT_EQ(TeamFile::importTeam(*(after = before).getTeamRef(team), file), Result::Ok);
            ASSERT_TRUE(session.importTeam(team, file).imported);
        } else if (event.label == "Import Player") {
            ASSERT_EQ(PlayerFile::exportPlayer(*after.getTeamRef(team)->getPlayerRef(player), file), Result::Ok);
            ASSERT_EQ(PlayerFile::importPlayer(*(after = before).getTeamRef(team)->getPlayerRef(player), file),
                      Result::Ok);
            ASSERT_TRUE(session.importPlayer(team, player, file).imported);
        } else {
            ASSERT_TRUE(session.edit(event.label, event.change, change));
        }
        EXPECT_TRUE(session.league() == after);
        EXPECT_EQ(session.history().undoLabel(), event.label);
        const LeagueEvent restored{Kind::Restored, event.label, event.change};
        ASSERT_TRUE(session.undo());
        EXPECT_TRUE(session.league() == before);
        EXPECT_FALSE(session.modified());
        EXPECT_EQ(session.history().redoLabel(), event.label);
        ASSERT_TRUE(session.redo());
        EXPECT_TRUE(session.league() == after);
        EXPECT_EQ(heard, (std::vector<LeagueEvent>{event, restored, restored}));
        ASSERT_TRUE(session.undo());  // back to the opened league for the next row
    }
}

// A new step drops what could be redone; the history keeps its newest steps up to its limit; modified() follows
// the league against the one saved; an open starts a fresh history.
TEST_F(UndoTest, StepsInOrderUpToTheLimitAndModifiedAgainstTheSave) {
    const std::string opened = cityNow();
    for (const char* c : {"A", "B", "C"}) city(c);
    ASSERT_TRUE(session.undo() && session.undo());
    EXPECT_EQ(cityNow(), "A");
    city("D");
    EXPECT_FALSE(session.history().canRedo());
    ASSERT_TRUE(session.undo() && session.undo());
    EXPECT_EQ(cityNow(), opened);
    EXPECT_FALSE(session.undo());
    city("X");
    city(opened);
    EXPECT_FALSE(session.modified()) << "edited back to the league opened";
    city("SAVED");
    ASSERT_TRUE(session.save().ok());
    EXPECT_FALSE(session.modified());
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(session.modified()) << "the league now differs from the one saved";
    ASSERT_TRUE(session.redo());
    EXPECT_FALSE(session.modified());
    for (std::size_t i = 0; i < UndoHistory::kLimit + 5; ++i) city("C" + std::to_string(i));
    EXPECT_EQ(session.history().undoCount(), UndoHistory::kLimit);
    while (session.undo()) {
    }
    EXPECT_EQ(cityNow(), "C4") << "the league before the oldest step kept";
    ASSERT_TRUE(session.open(dir + "/game.nes", Console::Nes).ok());
    EXPECT_FALSE(session.history().canUndo() || session.history().canRedo());
}

TEST_F(UndoTest, RefusedImportsAndEditsThatChangeNothingAreNoStep) {
    const clsProject opened = session.league();
    EXPECT_FALSE(session.edit("City", LeagueChange::ofTeam(0, LeagueChange::TeamNames),
                              [&](clsProject& l) { l.getTeamRef(0)->setCity(opened.getTeamRef(0)->getCity()); }));
    testsupport::writeText(dir + "/bad.tpr", "@3\r\nps=300\r\n@END\r\n");  // how each file refuses is the readers' test
    testsupport::writeText(dir + "/bad.tte", "city=X\r\n#2\r\njersey=1000\r\n#END\r\n");
    testsupport::writeText(dir + "/bad.tpl", "jump=x\r\n");
    ASSERT_EQ(PlayerFile::exportPlayer(*opened.getTeamRef(4)->getPlayerRef(9), dir + "/good.tpl"), Result::Ok);
    const std::pair<std::function<ImportResult()>, std::string> rows[] = {
        {[&] { return session.importProject(dir + "/bad.tpr"); }, "line 2: ps: '300' is outside 0..255"},
        {[&] { return session.importTeam(4, dir + "/bad.tte"); }, "line 3: jersey: '1000' is outside 0..255"},
        {[&] { return session.importPlayer(4, 9, dir + "/bad.tpl"); }, "line 1: jump: 'x' is not a number"},
        {[&] { return session.importTeam(27, dir + "/bad.tte"); }, "there is no team 27"},
        {[&] { return session.importPlayer(4, 12, dir + "/good.tpl"); }, "there is no player 12 of team 4"},
    };
    for (const auto& [import, refusal] : rows) {
        const ImportResult r = import();
        EXPECT_FALSE(r.imported) << refusal;
        EXPECT_EQ(r.report.text(), refusal);
    }
    EXPECT_TRUE(session.league() == opened);
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_TRUE(heard.empty());
}

}  // namespace

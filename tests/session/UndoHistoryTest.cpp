// The history of a league: each edit and import one step, undone and redone whole, with the
// labels, targets and events a window shows, and the modified state following it back.
#include <gtest/gtest.h>

#include "demo/DemoRom.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "session/Session.h"
#include "support/TestSupport.h"

namespace {

using Kind = LeagueEvent::Kind;

// A session with the NES demo image open, and a folder holding files to import.
class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of each test's own: ctest runs the tests side by side.
        dir = testsupport::freshDir(std::string("undo_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        testsupport::writeBytes(dir + "/game.nes", DemoRom::makeNes());
        ASSERT_TRUE(session.open(dir + "/game.nes", Console::Nes).ok());
        id = session.observe([this](const LeagueEvent& e) { heard.push_back(e); });
    }
    void TearDown() override { session.forget(id); }

    Session session;
    std::string dir;
    std::vector<LeagueEvent> heard;
    int id = 0;
};

// One step of each kind: what it does, its label and target.
struct StepRow {
    const char* name;
    std::function<void(Session&, const std::string& dir)> take;
    std::string label;
    EditTarget target;
};

const StepRow kSteps[] = {
    {"edit of a team field", [](Session& s, const std::string&) {
         s.edit("City", {3, -1}, [](clsProject& l) { l.getTeamRef(3)->setCity("HALIFAX"); });
     }, "City", {3, -1}},
    {"rating step", [](Session& s, const std::string&) {
         s.edit("Rating", {5, 7}, [](clsProject& l) { l.getTeamRef(5)->getPlayerRef(7)->incStam(); });
     }, "Rating", {5, 7}},
    {"import of a project", [](Session& s, const std::string& dir) {
         clsProject other = s.league();
         other.getTeamRef(0)->setMascot("OTTERS");
         other.setMatchupBytes(9, 4, 5);
         ASSERT_EQ(ProjectFile::exportProject(other, dir + "/l.tpr"), Result::Ok);
         ASSERT_TRUE(s.importProject(dir + "/l.tpr").imported);
     }, "Import Project", {}},
    {"import of a team", [](Session& s, const std::string& dir) {
         clsTeam other = *s.league().getTeamRef(8);
         other.setAbrev("QQQ");
         ASSERT_EQ(TeamFile::exportTeam(other, dir + "/t.tte"), Result::Ok);
         ASSERT_TRUE(s.importTeam(2, dir + "/t.tte").imported);
     }, "Import Team", {2, -1}},
    {"import of a player", [](Session& s, const std::string& dir) {
         clsPlayer other = *s.league().getTeamRef(1)->getPlayerRef(1);
         other.setLast("ZED");
         ASSERT_EQ(PlayerFile::exportPlayer(other, dir + "/p.tpl"), Result::Ok);
         ASSERT_TRUE(s.importPlayer(4, 6, dir + "/p.tpl").imported);
     }, "Import Player", {4, 6}},
};

TEST_F(UndoTest, EachKindOfStepIsUndoneAndRedoneWhole) {
    for (const StepRow& row : kSteps) {
        SCOPED_TRACE(row.name);
        const clsProject before = session.league();
        row.take(session, dir);
        const clsProject after = session.league();
        ASSERT_NE(after, before);
        EXPECT_EQ(session.history().undoLabel(), row.label);
        heard.clear();

        ASSERT_TRUE(session.undo());
        EXPECT_EQ(session.league(), before);
        EXPECT_EQ(session.history().redoLabel(), row.label);
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0], (LeagueEvent{Kind::Restored, row.label, row.target}));
        EXPECT_FALSE(session.modified());

        ASSERT_TRUE(session.redo());
        EXPECT_EQ(session.league(), after);
        EXPECT_EQ(heard.back(), (LeagueEvent{Kind::Restored, row.label, row.target}));
        EXPECT_TRUE(session.modified());
        ASSERT_TRUE(session.undo());  // back to the opened league for the next row
    }
}

TEST_F(UndoTest, StepsAreTakenInOrderAndANewStepDropsWhatCouldBeRedone) {
    auto city = [this](const char* text) {
        session.edit("City", {0, -1}, [text](clsProject& l) { l.getTeamRef(0)->setCity(text); });
    };
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

TEST_F(UndoTest, WhatChangesNothingIsNoStep) {
    const std::string city = session.league().getTeamRef(0)->getCity();
    EXPECT_FALSE(session.edit("City", {0, -1}, [&](clsProject& l) { l.getTeamRef(0)->setCity(city); }));
    EXPECT_FALSE(session.importProject(dir + "/missing.tpr").imported);
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_TRUE(heard.empty());
}

TEST_F(UndoTest, OpeningStartsAFreshHistoryAndASaveMovesTheUnmodifiedPoint) {
    session.edit("Points", {1, -1}, [](clsProject& l) { l.getTeamRef(1)->setPointsScored(7); });
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
        session.edit("Points", {0, -1}, [i](clsProject& l) { l.getTeamRef(0)->setPointsScored(static_cast<std::uint8_t>(i % 200 + 1)); });
    EXPECT_EQ(session.history().undoCount(), UndoHistory::kLimit);
    while (session.undo()) {
    }
    EXPECT_EQ(session.league().getTeamRef(0)->getPointsScored(), 5) << "the league before step 6, the oldest kept";
}

}  // namespace

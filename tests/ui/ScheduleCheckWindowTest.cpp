// Analysis > Check Schedule: a window of its own with each team's games, home and away and
// the schedule's problems, read anew when it is shown and while it is open; it changes
// nothing.
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include "UiHarness.h"
#include "ui/ScheduleCheckWindow.h"

class ScheduleCheckMenu : public UiTest {
public:
    ScheduleCheckWindow* showCheck() {
        menus().menuAnalysisCheckSchedule->trigger();
        auto* check = w->findChild<ScheduleCheckWindow*>();
        EXPECT_NE(check, nullptr);
        if (check != nullptr) {
            EXPECT_TRUE(check->isVisible());
        }
        return check;
    }
    static QStringList rowOf(const ScheduleCheckWindow& check, int team) {
        QStringList out;
        for (int c = 0; c < check.tblTeams->columnCount(); ++c) out << check.tblTeams->item(team, c)->text();
        return out;
    }
    static QStringList problems(const ScheduleCheckWindow& check) {
        QStringList out;
        for (int i = 0; i < check.lstProblems->count(); ++i) out << check.lstProblems->item(i)->text();
        return out;
    }
};

// The counts of nes-1 were worked out from its decoded schedule bytes on their own: 74
// problems, 50 games of a team against itself first, then the teams whose count is not
// the 87 games that most teams play.
TEST_F(ScheduleCheckMenu, TheWindowShowsTheGamesAndProblemsOfAReferenceLeague) {
    REQUIRE_FIXTURES();
    start();
    open(placeFixture("nes-1/game.nes"));
    EXPECT_EQ(menus().menuAnalysisCheckSchedule->text(), "&Check Schedule...");
    const clsProject before = league();
    ScheduleCheckWindow* check = showCheck();
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->windowTitle(), "Check Schedule");
    ASSERT_EQ(check->tblTeams->rowCount(), 27);
    EXPECT_EQ(rowOf(*check, 0), QStringList({"WFYP", "92", "39", "55"}));
    EXPECT_EQ(rowOf(*check, 26), QStringList({qs(team(26).getAbrev()), "79", "33", "48"}));
    EXPECT_EQ(check->lblUsualGames->text(), "Most teams play 87 games.");
    const QStringList listed = problems(*check);
    ASSERT_EQ(listed.size(), 74);
    EXPECT_EQ(listed[0], "game 13: ATCPQ plays itself");
    EXPECT_EQ(listed[50], "team 0 (WFYP) plays 92 games, most teams play 87");
    EXPECT_TRUE(league() == before);
    EXPECT_EQ(session().history().undoCount(), 0u);
}

TEST_F(ScheduleCheckMenu, AGameMadeByHandShowsWhileTheWindowIsOpenAndWhenItIsShownAgain) {
    openDemo();
    ScheduleCheckWindow* check = showCheck();
    ASSERT_NE(check, nullptr);
    const QStringList clean = problems(*check);
    EXPECT_EQ(clean, QStringList({"No problems"}));
    const QStringList team3 = rowOf(*check, 3);

    session().edit("Schedule", {}, [](clsProject& l) { l.setMatchupBytes(0, 3, 3); });
    const clsProject::Pair was = league().getMatchupBytes(0);
    ASSERT_EQ(was, (clsProject::Pair{3, 3}));
    const QStringList listed = problems(*check);
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed[0], qs("game 0: " + team(3).getAbrev() + " plays itself"));
    EXPECT_NE(rowOf(*check, 3), team3);

    check->close();
    session().undo();
    EXPECT_EQ(showCheck(), check);  // the same window, read anew
    EXPECT_EQ(problems(*check), clean);
    EXPECT_EQ(rowOf(*check, 3), team3);
}

// The window opens showing every team's row, without a scroll bar, where the screen allows;
// on a smaller screen it takes the screen's height.
TEST_F(ScheduleCheckMenu, TheWindowOpensShowingTheWholeTable) {
    openDemo();
    ScheduleCheckWindow* check = showCheck();
    ASSERT_NE(check, nullptr);
    settle();
    const QTableWidget* table = check->tblTeams;
    EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
    const int available = check->screen()->availableGeometry().height();
    EXPECT_TRUE(!table->verticalScrollBar()->isVisible() || check->frameGeometry().height() >= available * 9 / 10)
        << check->frameGeometry().height() << " of " << available << " px, rows "
        << table->rowAt(table->viewport()->height() - 1) + 1;
}

// The filter box above the tree: only the players a query matches, under their teams, opened; the
// status bar counts them or says why a term cannot be read; Escape shows every node as it was.
#include "ui/support/UiHarness.h"

namespace {

// The player nodes shown, their team open: "0.9 1.9 ".
std::string shownPlayers(const UiTest& t) {
    std::string shown;
    for (int team = 0; team < clsProject::kTeams; ++team)
        for (int p = 0; p < clsTeam::kRoster; ++p)
            if (!t.node(teamNode(team))->isHidden() && t.node(teamNode(team))->isExpanded() &&
                !t.node(playerNode(team, p))->isHidden())
                shown += std::to_string(team) + "." + std::to_string(p) + " ";
    return shown;
}

}  // namespace

using PlayerFilter = UiTest;

TEST_F(PlayerFilter, ShowsTheMatchingPlayersUnderTheirTeams) {
    openDemo();
    const std::string centers = "0.9 1.9 2.8 5.9 7.8 9.8 9.9 10.9 12.8 13.8 14.8 14.9 18.9 20.9 21.9 22.8 22.9 ";
    const auto toldInRed = [this] {
        return w->findChild<QLabel*>("lblFilter")->palette().color(QPalette::WindowText) == QColor(0xb0, 0, 0);
    };
    play({
        {"focus tvProject, Ctrl+F",
         {},
         {},
         nullptr,
         [] { EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtFilter"); }},
        {"type pos:C height>82 jump<40 into txtFilter, see 17 of 324 players in lblFilter",
         {},
         {},
         nullptr,
         [&] {
             EXPECT_EQ(shownPlayers(*this), centers);
             EXPECT_FALSE(toldInRed());
             EXPECT_TRUE(w->findChild<QLineEdit*>("txtFilter")->isClearButtonEnabled());  // made with the text
         }},
        // The tree stays as the last query read left it ("... team:2").
        {"type pos:C height>82 jump<40 team:27 into txtFilter, see there is no team 27 in lblFilter",
         {},
         {},
         nullptr,
         [&] {
             EXPECT_EQ(shownPlayers(*this), "2.8 ");
             EXPECT_TRUE(toldInRed());
         }},
        {"type pos:C jmp<4 into txtFilter, see unknown field 'jmp' in lblFilter"},
        {"Escape, see  in lblFilter",
         {},
         {},
         nullptr,
         [this] {
             EXPECT_EQ(shownPlayers(*this), "0.0 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 0.10 0.11 ");
             EXPECT_FALSE(node(teamNode(3))->isHidden());
         }},
    });
}

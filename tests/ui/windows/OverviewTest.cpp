// The league overview: its table and strength chart follow the league as it is edited, the table
// sorts by the values of any column and a row clicked chooses its team; beside each rating the
// player editor shows the player's rank in the league.
#include "interchange/PlayerCsv.h"
#include "interchange/TeamFiguresCsv.h"
#include "ui/support/UiHarness.h"
#include "ui/widgets/SpreadChart.h"
#include "ui/widgets/StrengthChart.h"
#include "ui/windows/frmOverview.h"

class Overview : public UiTest {
public:
    frmOverview* window() { return w->findChild<frmOverview*>(); }
    // A column of the table, top to bottom, or the cells of the row showing a team.
    QStringList column(int c) {
        QStringList cells;
        for (int row = 0; row < clsProject::kTeams; ++row) cells << window()->tblFigures->item(row, c)->text();
        return cells;
    }
    static QStringList numbers(int from, int step) {
        QStringList out;
        for (int i = 0; i < clsProject::kTeams; ++i) out << QString::number(from + step * i);
        return out;
    }
};

// Sorted by value: team numbers 0..26 (as text 10 would come before 2), strength weakest first.
TEST_F(Overview, TheTableSortsByValueFollowsAnEditAndChoosesATeam) {
    openDemo();
    const auto follows = [this](int team) {  // the team's row shows its figures anew
        return [this, team] {
            QStringList figures, shown;
            for (const std::string& text : TeamFiguresCsv::figureTexts(LeagueStats::compute(league()).teams[team]))
                figures << qs(text);
            for (int c = frmOverview::Figures; c < frmOverview::Columns; ++c)
                shown
                    << window()->tblFigures->item(column(frmOverview::Team).indexOf(QString::number(team)), c)->text();
            EXPECT_EQ(shown, figures);
        };
    };
    clsProject other = league();
    other.getTeamRef(4)->getPlayerRef(3)->setStamina(9);
    const Lines table = PlayerCsv::writePlayers(other);
    testsupport::writeText(file("p.csv"), table[0] + "\n" + table[1 + 4 * 12 + 3] + "\n");
    play({
        {"menu menuAnalysisOverview, click header 0 of tblFigures", "", "", nullptr,
         [this] { EXPECT_EQ(column(frmOverview::Team), numbers(0, 1)); }},
        {"click header 0 of tblFigures", "", "", nullptr,
         [this] { EXPECT_EQ(column(frmOverview::Team), numbers(26, -1)); }},
        {"click header 15 of tblFigures", "", "", nullptr,
         [this] { EXPECT_EQ(column(frmOverview::Rank), numbers(27, -1)); }},
        {"click player 4.2, see 319th of 324 in lblRankStam, click cmdIncAtt_5, see 313th of 324 in lblRankStam, see "
         "204th of 324 in lblRankJump",
         "player 4.2 stam: 40 -> 41", "", "Rating", follows(4)},
        {"file p.csv, menu menuProjectImportCsv, see 312th of 324 in lblRankStam", "player 4.3 stam: 53 -> 9",
         "Players imported!"},
        {"choose 4 in cmbRating", "", "", nullptr,
         [this] {
             std::vector<int> forwards;
             for (int band = 0; band < SpreadChart::kBands; ++band)
                 forwards.push_back(window()->chtSpread->count(1, band));
             EXPECT_EQ(forwards, (std::vector<int>{0, 0, 0, 21, 16, 24, 23, 25, 26, 0}));
         }},
        {"click row 0 of tblFigures", "", "", nullptr,
         [this] {
             const int weakest = LeagueStats::compute(league()).byRank.back();
             EXPECT_EQ(w->selection().team, weakest);
             EXPECT_EQ(w->tree().currentItem(), node(teamNode(weakest)));
         }},
        {"file t.csv, click cmdExportTable", "", "Table exported!", nullptr,
         [this] {
             EXPECT_EQ(testsupport::readText(file("t.csv")),
                       TeamFiguresCsv::table(league(), LeagueStats::compute(league())));
         }},
        {"file c.png, click cmdSaveChart", "", "Chart saved!", nullptr,
         [this] { EXPECT_FALSE(QImage(qs(file("c.png"))).isNull()); }},
    });
    act("wait");
    QDir().mkpath(TAMSEL_BUILD_DIR "/screenshots");
    EXPECT_TRUE(window()->grab().save(TAMSEL_BUILD_DIR "/screenshots/league-overview.png"));
    EXPECT_TRUE(w->grab().save(TAMSEL_BUILD_DIR "/screenshots/player-ranks.png"));
}

// One bar a team, strongest first, in the colour of its first uniform swatch of the edition open,
// grey while that uniform is not set; bars follow a change of strength, names and uniforms.
TEST_F(Overview, TheChartShowsEachTeamStrongestFirstInItsColour) {
    for (const ConsoleKind kind : {Console::Nes, Console::Snes}) {
        SCOPED_TRACE(kind);
        openDemo(kind);
        session().edit("Colour", LeagueChange::ofTeam(5, LeagueChange::Uniforms), [](clsProject& l) {
            (l.getTeamRef(5)->uniformNES_vaild = l.getTeamRef(5)->uniformSNES_vaild = false);
        });
        act("menu menuAnalysisOverview");
        const auto chart = [this](const std::vector<std::pair<int, QColor>>& expected) {
            const LeagueStats::Figures f = LeagueStats::compute(league());
            ASSERT_EQ(window()->chtStrength->bars(), clsProject::kTeams);
            for (int i = 0; i < clsProject::kTeams; ++i) {
                const StrengthChart::Bar bar = window()->chtStrength->bar(i);
                EXPECT_EQ(bar.label, qs(team(f.byRank[i]).getAbrev()));
                for (const auto& [t, colour] : expected) {
                    if (f.byRank[i] == t) {
                        EXPECT_EQ(bar.colour, colour) << t;
                    }
                }
            }
        };
        chart({{5, frmOverview::kUnsetColour}, {0, kind == Console::Nes ? QColor(255, 34, 0) : QColor(0, 0, 0)}});
        // The weakest team made strongest, team 5 renamed and given a colour: the bars follow.
        const int weakest = LeagueStats::compute(league()).byRank.back();
        session().edit("Rating", LeagueChange::ofWholeTeam(weakest), [weakest](clsProject& l) {
            for (int s = 0; s < clsTeam::kRoster; ++s) l.getTeamRef(weakest)->getPlayerRef(s)->setSteal(200);
        });
        session().edit("Abbreviation", LeagueChange::ofTeam(5, LeagueChange::TeamNames),
                       [](clsProject& l) { l.getTeamRef(5)->setAbrev("NEW"); });
        chart({{5, frmOverview::kUnsetColour}});
        session().edit("Colour", LeagueChange::ofTeam(5, LeagueChange::Uniforms), [](clsProject& l) {
            l.getTeamRef(5)->setUniformColor_NES_single(0, 0x16);
            l.getTeamRef(5)->setUniformColor_1Word(0, 0x001F);
        });
        chart({{5, kind == Console::Nes ? QColor(255, 34, 0) : QColor(248, 0, 0)}});
        restart();
    }
}

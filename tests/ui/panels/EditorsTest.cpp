// The team and player editors: what each box stores and when, how it tidies what is typed, the
// rating rows, and the preview figures.
#include "model/Rating.h"
#include "ui/support/UiHarness.h"

using Editors = UiTest;

// Names and the jersey are stored as their box is left, every other box at the next store (a
// tree click, a name box left, any command); each store is one step named after its field.
TEST_F(Editors, EachBoxStoresItsFieldAsOneStep) {
    openDemo();
    play({
        {"type ledge into txtLastname, Tab, see 24-MILO LEDGE in tvProject", "player 0.0 last: \"WENMON\" -> \"LEDGE\"",
         "", "Last Name"},
        {"type zed into txtFirstname, click txtLastname", "player 0.0 first: \"MILO\" -> \"ZED\"", "", "First Name"},
        {"type 7 into txtJersey, Tab, see 07 in txtJersey", "player 0.0 jersey: 24 -> 7", "", "Jersey"},
        {"type 9 into txtFeet, Tab, type 151 into txtWeight, Tab, see 148 in txtWeight", "", "", "Jersey"},
        {"click player 0.1", "player 0.0 feet: 6 -> 9\nplayer 0.0 weight: 164 -> 148", "", "Weight"},
        {"type 14 into txtInches, click player 0.2", "player 0.1 inch: 9 -> 11", "", "Height"},
        {"type 1019 into txtFGpercent, Tab, see 1016 in txtFGpercent", "", "", "Height"},
        {"type 996 into txtTPTpercent, type 4 into txtFTpercent, click player 0.3",
         "player 0.2 fg: 40 -> 1016\nplayer 0.2 ft: 88 -> 4\nplayer 0.2 threept: 32 -> 996", "", "Percentages"},
        {"choose 3 in cmbPosition, click player 0.4", "player 0.3 pos: 1 -> 3", "", "Position"},
        {"click team 6, click player 6.1", "", "", "Position"},
        {"type gotham into txtCity, Tab, click team 6, see GOTHAM SLATES in tvProject",
         "team 6 city: \"GALEPORT\" -> \"GOTHAM\"", "", "City"},
        {"type green men into txtMascot, click txtCity", "team 6 mascot: \"SLATES\" -> \"GREEN MEN\"", "", "Mascot"},
        {"type qz into txtAbrev, click txtCity", "team 6 abrev: \"GAL\" -> \"QZ\"", "", "Abbreviation",
         [this] { EXPECT_EQ(scheduleUi().cmbHome->itemText(6), "QZ"); }},
        {"type 2.5 into txtPPGhome, Tab, type 300 into txtPPGaway, Tab, see 2.5 in txtPPGhome, see 255 in txtPPGaway"},
        {"click player 6.2", "team 6 ps: 96 -> 2\nteam 6 pg: 109 -> 255", "", "Points"},
        {"type 3.5 into txtPPGhome, type -5 into txtPPGaway, click team 6", "team 6 ps: 2 -> 4\nteam 6 pg: 255 -> 0"},
        {"type abc into txtPPGhome, Tab, see 0 in txtPPGhome, click team 6", "team 6 ps: 4 -> 0"},
        // Boxes shown and left unchanged store nothing; characters the game cannot hold are dropped.
        {"click txtAbrev, click txtCity, click player 6.3, click team 5", "", "", "Points"},
        {"type M\u00dcller into txtFirstname, Tab", "player 5.0 first: \"BODE\" -> \"MLLER\""},
        {"paste a\tb\r\nc\u00e9d\x7f into txtLastname, Tab", "player 5.0 last: \"SALFORD\" -> \"ABCD\""},
        {"type a\u00e9z~ 1 into txtCity, Tab", "team 5 city: \"FENHOLT\" -> \"AZ~ 1\""},
    });
}

// A click that gives a box the focus selects its text, as the Tab key does; a second one places
// the cursor. A position code the list has no entry for shows none and is kept.
TEST_F(Editors, AClickSelectsTheBoxAndUnknownPositionsAreKept) {
    openDemo();
    session().edit("Position", LeagueChange::ofPlayer({3, 5}),
                   [](clsProject& l) { l.getTeamRef(3)->getPlayerRef(5)->setPosition(6); });
    play({
        {"click player 2.5, click txtFirstname, click txtJersey", "", "", nullptr,
         [this] { EXPECT_EQ(playerUi().txtJersey->selectedText(), "83"); }},
        {"7, click txtFirstname, click txtWeight", "player 2.5 jersey: 83 -> 7", "", nullptr,
         [this] {
             QTest::mouseClick(playerUi().txtWeight, Qt::LeftButton, {}, QPoint(2, playerUi().txtWeight->height() / 2));
             EXPECT_FALSE(playerUi().txtWeight->hasSelectedText());
         }},
        {"click player 3.5, see  in cmbPosition, click player 3.6"},
    });
}

// Each row's buttons step their own rating, and its value and bar (ten pixel rows as long as the
// rating) show the new value.
TEST_F(Editors, RatingButtonsStepTheirRatingAndRedrawItsBar) {
    openDemo();
    const auto bar = [this](int i) {
        return [this, i] {
            const QImage& img = playerUi().ratingBars[std::size_t(i)]->image();
            int pixels = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) pixels += img.pixelColor(x, y) == QColor(0, 0, 128) ? 1 : 0;
            const int value = kRatings[std::size_t(i)].value(player(0, 0));
            EXPECT_EQ(pixels, value * 10);
            EXPECT_EQ(playerUi().ratingValues[std::size_t(i)]->text(), QString::number(value));
            for (const QLabel* shown :
                 {playerUi().ratingValues[std::size_t(i)], playerUi().ratingRanks[std::size_t(i)]})
                EXPECT_GE(shown->width(), shown->sizeHint().width()) << shown->text().toStdString();  // whole
        };
    };
    play({
        {"click cmdIncAtt_0", "player 0.0 rspeed: 16 -> 17", "", "Rating", bar(0)},
        {"click cmdDecAtt_1", "player 0.0 jump: 183 -> 182", "", "Rating", bar(1)},
        {"click cmdIncAtt_2", "player 0.0 steal: 163 -> 164", "", nullptr, bar(2)},
        {"click cmdIncAtt_3", "player 0.0 block: 192 -> 193", "", nullptr, bar(3)},
        {"click cmdDecAtt_4", "player 0.0 shoot: 138 -> 137", "", nullptr, bar(4)},
        {"click cmdDecAtt_5", "player 0.0 stam: 92 -> 91", "", nullptr, bar(5)},
    });
}

// Clicking through every player and every game of each reference image stores nothing: each
// box shows what its field holds, and a box the user did not change is not written back.
TEST_F(Editors, BrowsingChangesNothing) {
    REQUIRE_FIXTURES();
    for (const testsupport::Reference& ref : testsupport::kReferences) {
        SCOPED_TRACE(ref.folder);
        openReference(ref);
        std::string clicks = "click row 0 of lstSchedule, Down*1106";
        for (int t = 0; t < clsProject::kTeams; ++t)
            for (int p = 0; p < clsTeam::kRoster; ++p)
                clicks += ", click player " + std::to_string(t) + "." + std::to_string(p);
        play({{clicks, "", "", "", [this] { EXPECT_FALSE(w->isWindowModified()); }}});
    }
}

// A figure click shows the next variant of the open edition's figure only, as the reference
// files hold them; a figure the image ends inside is hidden, not half drawn.
TEST_F(Editors, FiguresCycleTheirVariantsAndAFigureCutOffIsHidden) {
    REQUIRE_FIXTURES();
    for (const auto& [folder, loaded, other, variants] :
         {std::tuple{"nes-1", "picPlayerRenderNES", "picPlayerRenderSNES", 4},
          std::tuple{"snes-1", "picPlayerRenderSNES", "picPlayerRenderNES", 8}}) {
        SCOPED_TRACE(folder);
        openReference({folder, variants == 4 ? Console::Nes : Console::Snes});
        auto* shown = w->findChild<PictureBox*>(loaded);
        act(std::string("click ") + other);
        EXPECT_EQ(w->selection().nesFigureVariant + w->selection().snesFigureVariant, 0);
        for (int click = 0; click <= variants; ++click) {  // the last click comes back to variant 0
            const std::string ppm = testsupport::fixture(std::string(folder) + "/expected/sprite_" +
                                                         std::to_string(click % variants) + ".ppm");
            EXPECT_FALSE(shown->isHidden());
            EXPECT_EQ(figureOf(shown), QImage(qs(ppm)).convertToFormat(QImage::Format_RGB32)) << ppm;
            act(std::string("click ") + loaded);
        }
        restart();
    }
    RomImage cut = DemoRom::makeNes();
    cut.resize(0x40710 + 0x60);  // six of the figure's twelve tiles
    openImage(cut, "cut.nes");
    EXPECT_TRUE(teamUi().picPlayerRenderNES->isHidden());
}

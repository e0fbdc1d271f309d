// The team editor: names and points boxes, and the preview figures of the reference images.
// (The palette tool run from a swatch has its own tests.)
#include "ui/support/UiHarness.h"

using TeamEditor = UiTest;

namespace {

// A figure as the reference files hold it: a binary PPM of 32 x 96 pixels.
std::vector<std::uint8_t> ppmOf(const QImage& img) {
    const std::string header = "P6\n32 96\n255\n";
    std::vector<std::uint8_t> out(header.begin(), header.end());
    for (int i = 0; i < 32 * 96; ++i) {
        const QRgb p = img.pixel(i % 32, i / 32);
        out.insert(out.end(), {std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p))});
    }
    return out;
}

}  // namespace

TEST_F(TeamEditor, StoredNamesRenameTheNodeAndTheAbbreviationTheScheduleLists) {
    openDemo();
    clickNode(teamNode(4));
    type(teamUi().txtCity, "boston");
    type(teamUi().txtMascot, "green men");
    typeAndLeave(teamUi().txtAbrev, "qz", teamUi().txtCity);
    EXPECT_EQ(node(teamNode(4))->text(0), "BOSTON GREEN MEN");
    EXPECT_EQ(team(4).getAbrev(), "QZ");
    EXPECT_EQ(scheduleUi().cmbHome->itemText(4), "QZ");
    EXPECT_EQ(scheduleUi().cmbAway->itemText(4), "QZ");
    for (int g = 0; g < 1107; ++g)
        ASSERT_EQ(str(scheduleUi().lstSchedule->item(g)->text()), league().getMatchupStr(g)) << g;
}

TEST_F(TeamEditor, PointsBoxesNormaliseAndStoreRoundedHalfToEven) {
    openDemo();
    clickNode(teamNode(6));
    struct Row {
        const char* name;
        QString typed;
        QString shown;
        int stored;
    };
    const Row rows[] = {
        {"above a byte", "300", "255", 255},  {"leading zeros", "007", "7", 7}, {"half down to even", "2.5", "2.5", 2},
        {"half up to even", "3.5", "3.5", 4}, {"no number", "abc", "0", 0},     {"negative", "-5", "0", 0},
    };
    for (const Row& row : rows) {
        for (const bool home : {true, false}) {  // the points scored; the away box holds the points given
            SCOPED_TRACE(std::string(row.name) + (home ? ", home" : ", away"));
            TextBox* box = home ? teamUi().txtPPGhome : teamUi().txtPPGaway;
            type(home ? teamUi().txtPPGaway : teamUi().txtPPGhome, "17");
            typeAndLeave(box, row.typed, teamUi().txtCity);
            EXPECT_EQ(box->text(), row.shown);
            clickNode(teamNode(7));  // stored at the next tree click
            EXPECT_EQ(team(6).getPointsScored(), home ? row.stored : 17);
            EXPECT_EQ(team(6).getPointsGiven(), home ? 17 : row.stored);
            clickNode(teamNode(6));
        }
    }
}

TEST_F(TeamEditor, FigureClicksCycleTheVariantsOfTheLoadedEditionOnly) {
    REQUIRE_FIXTURES();
    struct Row {
        const char* name;
        std::string rom;
        PictureBox* TeamEditorPanel::Controls::*loaded;
        PictureBox* TeamEditorPanel::Controls::*other;
        int variants;
    };
    const Row rows[] = {
        {"NES", "nes-1/game.nes", &TeamEditorPanel::Controls::picPlayerRenderNES,
         &TeamEditorPanel::Controls::picPlayerRenderSNES, 4},
        {"SNES", "snes-1/game.smc", &TeamEditorPanel::Controls::picPlayerRenderSNES,
         &TeamEditorPanel::Controls::picPlayerRenderNES, 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        start();
        open(placeFixture(row.rom));
        PictureBox* loaded = teamUi().*row.loaded;
        PictureBox* other = teamUi().*row.other;
        const QImage otherBefore = other->image().copy();
        QTest::mouseClick(other, Qt::LeftButton);
        EXPECT_EQ(w->selection().nesFigureVariant, 0);
        EXPECT_EQ(w->selection().snesFigureVariant, 0);
        EXPECT_EQ(other->image(), otherBefore);
        const std::string folder = row.rom.substr(0, row.rom.find('/'));
        for (int click = 0; click <= row.variants; ++click) {  // the last click comes back to variant 0
            const std::string ppm = folder + "/expected/sprite_" + std::to_string(click % row.variants) + ".ppm";
            EXPECT_FALSE(loaded->isHidden());
            EXPECT_EQ(ppmOf(figureOf(loaded)), testsupport::readBytes(testsupport::fixture(ppm))) << ppm;
            QTest::mouseClick(loaded, Qt::LeftButton);
        }
    }
}

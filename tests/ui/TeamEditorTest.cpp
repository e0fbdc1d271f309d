// The team editor: names and points boxes, the preview figures, and the palette tool run
// from a swatch.
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSlider>
#include <optional>

#include "UiHarness.h"

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

void pressOk(frmPaletteTool& tool) { QTest::mouseClick(tool.cmdOK, Qt::LeftButton); }
void pickNes(frmPaletteTool& tool, int index) { QTest::mouseClick(tool.lblnespal[std::size_t(index)], Qt::LeftButton); }

}  // namespace

TEST_F(TeamEditor, LeavingANameBoxUpperCasesStoresAndRenamesTheNodeOrTheSchedule) {
    openDemo();
    clickNode(teamNode(4));
    type(teamUi().txtCity, "boston");
    EXPECT_EQ(teamUi().txtCity->text(), "boston");  // unchanged while it has the focus
    type(teamUi().txtMascot, "green men");
    EXPECT_EQ(teamUi().txtCity->text(), "BOSTON");
    EXPECT_EQ(team(4).getCity(), "BOSTON");
    type(teamUi().txtAbrev, "qz");
    EXPECT_EQ(team(4).getMascot(), "GREEN MEN");
    EXPECT_EQ(node(teamNode(4))->text(0), "BOSTON GREEN MEN");
    QTest::mouseClick(teamUi().txtCity, Qt::LeftButton);
    EXPECT_EQ(team(4).getAbrev(), "QZ");
    EXPECT_EQ(scheduleUi().cmbHome->itemText(4), "QZ");
    EXPECT_EQ(scheduleUi().cmbAway->itemText(4), "QZ");
    for (int g = 0; g < 1107; ++g) ASSERT_EQ(str(scheduleUi().lstSchedule->item(g)->text()), league().getMatchupStr(g)) << g;
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
        {"above a byte", "300", "255", 255}, {"leading zeros", "007", "7", 7},   {"half down to even", "2.5", "2.5", 2},
        {"half up to even", "3.5", "3.5", 4}, {"no number", "abc", "0", 0},      {"negative", "-5", "0", 0},
        {"hexadecimal", "&HF", "15", 15},
    };
    struct Box {
        const char* name;
        bool home;  // the points scored; the away box holds the points given
    };
    for (const Row& row : rows) {
        for (const Box& side : {Box{"home", true}, Box{"away", false}}) {
            SCOPED_TRACE(std::string(row.name) + ", " + side.name);
            TextBox* box = side.home ? teamUi().txtPPGhome : teamUi().txtPPGaway;
            type(side.home ? teamUi().txtPPGaway : teamUi().txtPPGhome, "17");
            type(box, row.typed);
            QTest::mouseClick(teamUi().txtCity, Qt::LeftButton);
            EXPECT_EQ(box->text(), row.shown);
            clickNode(teamNode(7));  // stored at the next tree click
            EXPECT_EQ(team(6).getPointsScored(), side.home ? row.stored : 17);
            EXPECT_EQ(team(6).getPointsGiven(), side.home ? 17 : row.stored);
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
        {"NES", "nes-1/game.nes", &TeamEditorPanel::Controls::picPlayerRenderNES, &TeamEditorPanel::Controls::picPlayerRenderSNES, 4},
        {"SNES", "snes-1/game.smc", &TeamEditorPanel::Controls::picPlayerRenderSNES, &TeamEditorPanel::Controls::picPlayerRenderNES, 8},
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

TEST_F(TeamEditor, NesColourPickedAndConfirmedGoesIntoTheTeamSwatchAndFigure) {
    openDemo();
    clickNode(teamNode(3));
    std::array<int, 2> colours = {team(3).getUniformColor_NES_0(), team(3).getUniformColor_NES_1()};
    for (std::size_t i : {0u, 1u}) {
        SCOPED_TRACE("swatch " + std::to_string(i));
        const int original = colours[i];
        const int pick = original == 0x2A ? 0x16 : 0x2A;
        colours[i] = pick;
        std::optional<int> offered;
        withPaletteTool(teamUi().lblnespal[i], [&](frmPaletteTool& tool) {
            offered = tool.getEntry_NES();
            pickNes(tool, pick);
            pressOk(tool);
        });
        EXPECT_EQ(offered, original);  // the tool starts from the swatch's colour
        EXPECT_EQ(team(3).getUniformColor_NES_0(), colours[0]);
        EXPECT_EQ(team(3).getUniformColor_NES_1(), colours[1]);
        EXPECT_EQ(teamUi().lblnespal[i]->background(), nesColor(pick));
        EXPECT_EQ(teamUi().lblnespal[i]->text(), QString::asprintf("%02X", pick));
        EXPECT_EQ(figureOf(teamUi().picPlayerRenderNES), expectedFigure(teamUi().picPlayerRenderNES, Console::Nes, team(3), 0));
        EXPECT_TRUE(w->isEnabled());
    }
}

TEST_F(TeamEditor, SnesWordSetWithTheSlidersGoesIntoTheTeam) {
    openDemo(Console::Snes);
    const int entry = 3;  // in palette 0, which the figure of variant 0 wears
    const int next = team(0).getUniformColor_1Word(entry + 1);
    withPaletteTool(teamUi().lblsnespal[entry], [&](frmPaletteTool& tool) {
        // The tool starts from the entry's channels.
        EXPECT_EQ(tool.hscrRed->value(), team(0).getRed(entry));
        EXPECT_EQ(tool.hscrGreen->value(), team(0).getGreen(entry));
        EXPECT_EQ(tool.hscrBlue->value(), team(0).getBlue(entry));
        QTest::keyClick(tool.hscrRed, Qt::Key_End);
        QTest::keyClick(tool.hscrGreen, Qt::Key_Home);
        QTest::keyClick(tool.hscrBlue, Qt::Key_Home);
        for (int i = 0; i < 9; ++i) QTest::keyClick(tool.hscrBlue, Qt::Key_Right);
        EXPECT_EQ(tool.txtValue->text(), "241F");
        pressOk(tool);
    });
    EXPECT_EQ(team(0).getUniformData(2 * entry), 0x1F);
    EXPECT_EQ(team(0).getUniformData(2 * entry + 1), 0x24);
    EXPECT_EQ(team(0).getUniformColor_1Word(entry + 1), next);
    EXPECT_EQ(teamUi().lblsnespal[entry]->background(), QColor(248, 0, 72));
    EXPECT_EQ(figureOf(teamUi().picPlayerRenderSNES), expectedFigure(teamUi().picPlayerRenderSNES, Console::Snes, team(0), 0));
}

TEST_F(TeamEditor, PaletteToolKeepsItsStatesAfterOkAndAClosedToolChangesNothing) {
    openDemo();
    withPaletteTool(teamUi().lblnespal[0], [&](frmPaletteTool& tool) {
        QTest::mouseClick(tool.chkMonochrome, Qt::LeftButton);
        QTest::mouseClick(tool.chkIntBlue, Qt::LeftButton);
        pickNes(tool, 0x12);
        pressOk(tool);
    });
    EXPECT_EQ(team(0).getUniformColor_NES_0(), 0x12);  // the plain index, whatever the preview showed
    const clsTeam before = team(0);
    const QImage figure = figureOf(teamUi().picPlayerRenderNES);
    // The close button unloads the tool: its next use starts afresh.
    struct Row {
        const char* name;
        bool kept;
        QColor cell16;
    };
    for (const Row& row : {Row{"after OK", true, QColor(199, 199, 199)}, Row{"after the close button", false, QColor(255, 34, 0)}}) {
        SCOPED_TRACE(row.name);
        withPaletteTool(teamUi().lblnespal[0], [&](frmPaletteTool& tool) {
            EXPECT_EQ(tool.chkMonochrome->isChecked(), row.kept);
            EXPECT_EQ(tool.chkIntBlue->isChecked(), row.kept);
            EXPECT_FALSE(tool.chkIntRed->isChecked());
            EXPECT_EQ(tool.lblnespal[0x16]->background(), row.cell16);
            pickNes(tool, 0x16);
            tool.close();
        });
        EXPECT_TRUE(team(0) == before);
        EXPECT_EQ(teamUi().lblnespal[0]->background(), nesColor(0x12));
        EXPECT_EQ(figureOf(teamUi().picPlayerRenderNES), figure);
        EXPECT_EQ(w->teamEditor().paletteTool(false), nullptr);
    }
}

TEST_F(TeamEditor, ScreenshotOfThePanelWithTheFigure) {
    openDemo();
    QTest::qWait(50);
    EXPECT_FALSE(teamUi().picPlayerRenderNES->isHidden());
    QDir().mkpath(TAMSEL_BUILD_DIR "/screenshots");
    EXPECT_TRUE(w->teamEditor().grab().toImage().save(TAMSEL_BUILD_DIR "/screenshots/team-editor.png"));
}

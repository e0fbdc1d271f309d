// The team editor: names and points boxes, the preview figures, and the palette tool run
// from a swatch.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>

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
    type(w->txtCity, "boston");
    EXPECT_EQ(w->txtCity->text(), "boston");  // unchanged while it has the focus
    type(w->txtMascot, "green men");
    EXPECT_EQ(w->txtCity->text(), "BOSTON");
    EXPECT_EQ(team(4).getCity(), "BOSTON");
    type(w->txtAbrev, "qz");
    EXPECT_EQ(team(4).getMascot(), "GREEN MEN");
    EXPECT_EQ(w->treeNode(teamNode(4))->text(0), "BOSTON GREEN MEN");
    QTest::mouseClick(w->txtCity, Qt::LeftButton);
    EXPECT_EQ(team(4).getAbrev(), "QZ");
    EXPECT_EQ(w->cmbHome->itemText(4), "QZ");
    EXPECT_EQ(w->cmbAway->itemText(4), "QZ");
    for (int g = 0; g < 1107; ++g) ASSERT_EQ(str(w->lstSchedule->item(g)->text()), league().getMatchupStr(g)) << g;
}

TEST_F(TeamEditor, PointsBoxesNormaliseAndStoreRoundedHalfToEven) {
    openDemo();
    clickNode(teamNode(6));
    struct Row { QString typed, shown; int stored; };
    for (const Row& row : {Row{"300", "255", 255}, Row{"007", "7", 7}, Row{"2.5", "2.5", 2}, Row{"3.5", "3.5", 4},
                           Row{"abc", "0", 0}, Row{"-5", "0", 0}, Row{"&HF", "15", 15}}) {
        for (bool home : {true, false}) {  // home is the points scored, away the points given
            SCOPED_TRACE(str(row.typed) + (home ? " home" : " away"));
            TextBox* box = home ? w->txtPPGhome : w->txtPPGaway;
            type(home ? w->txtPPGaway : w->txtPPGhome, "17");
            type(box, row.typed);
            QTest::mouseClick(w->txtCity, Qt::LeftButton);
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
    for (const std::string folder : {"nes-1", "snes-1"}) {
        start();
        const bool nes = folder == "nes-1";
        open(placeFixture(folder + (nes ? "/game.nes" : "/game.smc")));
        PictureBox* loaded = nes ? w->picPlayerRenderNES : w->picPlayerRenderSNES;
        PictureBox* other = nes ? w->picPlayerRenderSNES : w->picPlayerRenderNES;
        const QImage otherBefore = other->image().copy();
        QTest::mouseClick(other, Qt::LeftButton);
        EXPECT_EQ(w->nesSpriteVariant + w->snesSpriteVariant, 0);
        EXPECT_EQ(other->image(), otherBefore);
        for (int click = 0, variants = nes ? 4 : 8; click <= variants; ++click) {
            const std::string ppm = folder + "/expected/sprite_" + std::to_string(click % variants) + ".ppm";
            EXPECT_FALSE(loaded->isHidden());
            EXPECT_EQ(ppmOf(figureOf(loaded)), testsupport::readBytes(testsupport::fixture(ppm))) << ppm;
            QTest::mouseClick(loaded, Qt::LeftButton);
        }
    }
}

TEST_F(TeamEditor, NesColourPickedAndConfirmedGoesIntoTheTeamSwatchAndFigure) {
    openDemo();
    clickNode(teamNode(3));
    int colours[2] = {team(3).getUniformColor_NES_0(), team(3).getUniformColor_NES_1()};
    for (int i : {0, 1}) {
        const int original = colours[i], pick = colours[i] = original == 0x2A ? 0x16 : 0x2A;
        int offered = -1;
        withPaletteTool(w->lblnespal[std::size_t(i)], [&](frmPaletteTool& tool) {
            offered = tool.getEntry_NES();
            pickNes(tool, pick);
            pressOk(tool);
        });
        EXPECT_EQ(offered, original);  // the tool starts from the swatch's colour
        EXPECT_EQ(team(3).getUniformColor_NES_0(), colours[0]);
        EXPECT_EQ(team(3).getUniformColor_NES_1(), colours[1]);
        EXPECT_EQ(background(w->lblnespal[std::size_t(i)]), nesColor(pick));
        EXPECT_EQ(w->lblnespal[std::size_t(i)]->text(), QString::asprintf("%02X", pick));
        EXPECT_EQ(figureOf(w->picPlayerRenderNES), expectedFigure(w->picPlayerRenderNES, Console::Nes, team(3), 0));
        EXPECT_TRUE(w->isEnabled());
    }
}

TEST_F(TeamEditor, SnesWordSetWithTheSlidersGoesIntoTheTeam) {
    openDemo(Console::Snes);
    const int entry = 3;  // in palette 0, which the figure of variant 0 wears
    const int before = team(0).getUniformColor_1Word(entry), next = team(0).getUniformColor_1Word(entry + 1);
    int offered = -1;
    withPaletteTool(w->lblsnespal[entry], [&](frmPaletteTool& tool) {
        offered = tool.hscrRed->value() | tool.hscrGreen->value() << 5 | tool.hscrBlue->value() << 10;
        QTest::keyClick(tool.hscrRed, Qt::Key_End);
        QTest::keyClick(tool.hscrGreen, Qt::Key_Home);
        QTest::keyClick(tool.hscrBlue, Qt::Key_Home);
        for (int i = 0; i < 9; ++i) QTest::keyClick(tool.hscrBlue, Qt::Key_Right);
        EXPECT_EQ(tool.txtValue->text(), "241F");
        pressOk(tool);
    });
    EXPECT_EQ(offered, before & 0x7FFF);  // the tool starts from the entry's channels
    EXPECT_EQ(team(0).getUniformData(2 * entry), 0x1F);
    EXPECT_EQ(team(0).getUniformData(2 * entry + 1), 0x24);
    EXPECT_EQ(team(0).getUniformColor_1Word(entry + 1), next);
    EXPECT_EQ(background(w->lblsnespal[entry]), QColor(248, 0, 72));
    EXPECT_EQ(figureOf(w->picPlayerRenderSNES), expectedFigure(w->picPlayerRenderSNES, Console::Snes, team(0), 0));
}

TEST_F(TeamEditor, PaletteToolKeepsItsStatesAfterOkAndAClosedToolChangesNothing) {
    openDemo();
    withPaletteTool(w->lblnespal[0], [&](frmPaletteTool& tool) {
        QTest::mouseClick(tool.chkMonochrome, Qt::LeftButton);
        QTest::mouseClick(tool.chkIntBlue, Qt::LeftButton);
        pickNes(tool, 0x12);
        pressOk(tool);
    });
    EXPECT_EQ(team(0).getUniformColor_NES_0(), 0x12);  // the plain index, whatever the preview showed
    const clsTeam before = team(0);
    const QImage figure = figureOf(w->picPlayerRenderNES);
    for (bool kept : {true, false}) {  // the close button unloads the tool: its next use starts afresh
        withPaletteTool(w->lblnespal[0], [&](frmPaletteTool& tool) {
            EXPECT_EQ(tool.chkMonochrome->isChecked(), kept);
            EXPECT_EQ(tool.chkIntBlue->isChecked(), kept);
            EXPECT_FALSE(tool.chkIntRed->isChecked());
            EXPECT_EQ(tool.lblnespal[0x16]->background(), kept ? QColor(199, 199, 199) : QColor(255, 34, 0));
            pickNes(tool, 0x16);
            tool.close();
        });
        EXPECT_TRUE(team(0) == before);
        EXPECT_EQ(background(w->lblnespal[0]), nesColor(0x12));
        EXPECT_EQ(figureOf(w->picPlayerRenderNES), figure);
        EXPECT_EQ(w->paletteTool(false), nullptr);
    }
}

TEST_F(TeamEditor, ScreenshotOfThePanelWithTheFigure) {
    openDemo();
    QTest::qWait(50);
    EXPECT_FALSE(w->picPlayerRenderNES->isHidden());
    QDir().mkpath(TAMSEL_BUILD_DIR "/screenshots");
    EXPECT_TRUE(w->frameTeamEditor->grab().toImage().save(TAMSEL_BUILD_DIR "/screenshots/team-editor.png"));
}

// The palette tool run from a team's swatches: a NES colour picked from the grid or a SNES
// word set with the sliders goes into the team, its swatch and its figure; the grid previewed
// in monochrome and with emphasis; the states kept after OK; a closed tool changes nothing.
#include <QCheckBox>
#include <QSlider>
#include <optional>

#include "UiHarness.h"

using PaletteTool = UiTest;

TEST_F(PaletteTool, NesColourPickedAndConfirmedGoesIntoTheTeamSwatchAndFigure) {
    openDemo();
    clickNode(teamNode(3));
    std::array<int, 2> colours = {team(3).getUniformColor_NES_0(), team(3).getUniformColor_NES_1()};
    for (std::size_t i : {0u, 1u}) {
        SCOPED_TRACE("swatch " + std::to_string(i));
        const int original = colours[i];
        colours[i] = otherColour(original);
        std::optional<int> offered;
        withPaletteTool(teamUi().lblnespal[i], [&](frmPaletteTool& tool) { offered = tool.getEntry_NES(); });
        EXPECT_EQ(offered, original);  // the tool starts from the swatch's colour
        pickColour(teamUi().lblnespal[i], colours[i]);
        EXPECT_EQ(team(3).getUniformColor_NES_0(), colours[0]);
        EXPECT_EQ(team(3).getUniformColor_NES_1(), colours[1]);
        EXPECT_EQ(teamUi().lblnespal[i]->background(), nesColor(colours[i]));
        EXPECT_EQ(teamUi().lblnespal[i]->text(), QString::asprintf("%02X", colours[i]));
        EXPECT_EQ(figureOf(teamUi().picPlayerRenderNES),
                  expectedFigure(teamUi().picPlayerRenderNES, Console::Nes, team(3), 0));
        EXPECT_TRUE(w->isEnabled());
    }
}

TEST_F(PaletteTool, SnesWordSetWithTheSlidersGoesIntoTheTeam) {
    openDemo(Console::Snes);
    const int entry = 3;  // in palette 0, which the figure of variant 0 wears
    const int next = team(0).getUniformColor_1Word(entry + 1);
    withPaletteTool(teamUi().lblsnespal[entry], [&](frmPaletteTool& tool) {
        EXPECT_EQ(tool.hscrRed->value(), team(0).getRed(entry));  // the tool starts from the entry's channels
        EXPECT_EQ(tool.hscrGreen->value(), team(0).getGreen(entry));
        EXPECT_EQ(tool.hscrBlue->value(), team(0).getBlue(entry));
        QTest::keyClick(tool.hscrRed, Qt::Key_End);
        QTest::keyClick(tool.hscrGreen, Qt::Key_Home);
        QTest::keyClick(tool.hscrBlue, Qt::Key_Home);
        for (int i = 0; i < 9; ++i) QTest::keyClick(tool.hscrBlue, Qt::Key_Right);
        EXPECT_EQ(tool.txtValue->text(), "241F");
        QTest::mouseClick(tool.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(team(0).getUniformData(2 * entry), 0x1F);
    EXPECT_EQ(team(0).getUniformData(2 * entry + 1), 0x24);
    EXPECT_EQ(team(0).getUniformColor_1Word(entry + 1), next);
    EXPECT_EQ(teamUi().lblsnespal[entry]->background(), QColor(248, 0, 72));
    EXPECT_EQ(figureOf(teamUi().picPlayerRenderSNES),
              expectedFigure(teamUi().picPlayerRenderSNES, Console::Snes, team(0), 0));
}

TEST_F(PaletteTool, TheToolKeepsItsStatesAfterOkAndAClosedToolChangesNothing) {
    openDemo();
    withPaletteTool(teamUi().lblnespal[0], [&](frmPaletteTool& tool) {
        QTest::mouseClick(tool.chkMonochrome, Qt::LeftButton);
        QTest::mouseClick(tool.chkIntBlue, Qt::LeftButton);
        QTest::mouseClick(tool.lblnespal[0x12], Qt::LeftButton);
        QTest::mouseClick(tool.cmdOK, Qt::LeftButton);
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
    for (const Row& row :
         {Row{"after OK", true, QColor(199, 199, 199)}, Row{"after the close button", false, QColor(255, 34, 0)}}) {
        SCOPED_TRACE(row.name);
        withPaletteTool(teamUi().lblnespal[0], [&](frmPaletteTool& tool) {
            EXPECT_EQ(tool.chkMonochrome->isChecked(), row.kept);
            EXPECT_EQ(tool.chkIntBlue->isChecked(), row.kept);
            EXPECT_FALSE(tool.chkIntRed->isChecked());
            EXPECT_EQ(tool.lblnespal[0x16]->background(), row.cell16);
            QTest::mouseClick(tool.lblnespal[0x16], Qt::LeftButton);
            tool.close();
        });
        EXPECT_TRUE(team(0) == before);
        EXPECT_EQ(teamUi().lblnespal[0]->background(), nesColor(0x12));
        EXPECT_EQ(figureOf(teamUi().picPlayerRenderNES), figure);
        EXPECT_EQ(w->teamEditor().paletteTool(false), nullptr);
    }
}

TEST_F(PaletteTool, MonochromeAndEmphasisRecolourTheGridButNotTheSelection) {
    openDemo();
    struct Row {
        const char* name;
        QCheckBox* frmPaletteTool::*box;
        bool mono;
        int emphasis;
        int index;
        QColor shown;
    };
    const Row rows[] = {{"blue emphasis", &frmPaletteTool::chkIntBlue, false, 4, 0x21, QColor(12, 178, 255)},
                        {"red emphasis", &frmPaletteTool::chkIntRed, false, 1, 0x03, QColor(68, 0, 122)},
                        {"green emphasis", &frmPaletteTool::chkIntGreen, false, 2, 0x20, QColor(199, 240, 168)},
                        {"monochrome", &frmPaletteTool::chkMonochrome, true, 0, 0x0D, QColor(128, 128, 128)}};
    withPaletteTool(teamUi().lblnespal[0], [&](frmPaletteTool& tool) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            QTest::mouseClick(tool.lblnespal[std::size_t(row.index)], Qt::LeftButton);
            QTest::mouseClick(tool.*row.box, Qt::LeftButton);
            EXPECT_EQ(tool.lblnespal[std::size_t(row.index)]->background(), row.shown);
            for (int i = 0; i < 64; ++i)
                ASSERT_EQ(tool.lblnespal[std::size_t(i)]->background(), nesColor(i, row.mono, row.emphasis)) << i;
            EXPECT_EQ(tool.lblSelection->background(), nesColor(row.index));
            EXPECT_EQ(tool.getEntry_NES(), row.index);
            QTest::mouseClick(tool.lblnespal[0x2A], Qt::LeftButton);  // the selection shows the cell as shown
            EXPECT_EQ(tool.lblSelection->background(), nesColor(0x2A, row.mono, row.emphasis));
            QTest::mouseClick(tool.*row.box, Qt::LeftButton);
        }
    });
}

// A word typed into the hex box applies as the sliders do, labelled with their values; text
// that is no 15-bit colour is refused with a message, and OK waits for a colour.
TEST_F(PaletteTool, ATypedSnesWordAppliesAndTextThatIsNoColourIsRefused) {
    openDemo(Console::Snes);
    const clsProject opened = league();
    struct Row {
        const char* name;
        QString typed;
        std::optional<int> word;  // none: refused
        QStringList channels;
    };
    const Row rows[] = {{"above 15 bits", "FFFF", std::nullopt, {}},
                        {"a letter beyond F", "12G4", std::nullopt, {}},
                        {"lower case with leading zeros", "00a1", 0xA1, {"R 1", "G 5", "B 0"}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bool open = false;
        QString message;
        QStringList channels;
        withPaletteTool(teamUi().lblsnespal[5], [&](frmPaletteTool& tool) {
            tool.txtValue->setFocus();
            tool.txtValue->selectAll();
            QTest::keyClicks(tool.txtValue, row.typed);
            QTest::mouseClick(tool.cmdOK, Qt::LeftButton);  // the button takes the focus first
            open = tool.isVisible();
            message = tool.lblValueMessage->isVisible() ? tool.lblValueMessage->text() : QString();
            for (QLabel* l : tool.lblChannel) channels << l->text();
        });
        EXPECT_EQ(open, !row.word);
        EXPECT_EQ(message.isEmpty(), row.word.has_value()) << str(message);
        if (row.word) {
            EXPECT_EQ(channels, row.channels);
            EXPECT_EQ(team(0).getUniformColor_1Word(5), *row.word);
        } else {
            EXPECT_TRUE(league() == opened);
        }
    }
}

// Only the open edition's colours show; a click on the other's, and a colour confirmed as the
// swatch showed it (a word with bit 15 set, which no colour uses), record nothing.
TEST_F(PaletteTool, OnlyTheOpenEditionsColoursShowAndAnUnchangedColourIsNoStep) {
    for (const ConsoleKind kind : {Console::Nes, Console::Snes}) {
        const bool nes = kind == Console::Nes;
        SCOPED_TRACE(nes ? "NES" : "SNES");
        openDemo(kind);
        session().edit("Colour", {0, -1}, [](clsProject& l) { l.getTeamRef(0)->setSnesByte(11, 0x80); });
        clickNode(teamNode(0));
        const clsProject before = league();
        const std::size_t taken = steps();
        EXPECT_EQ(teamUi().contNesPalEd->isVisibleTo(w.get()), nes);
        EXPECT_EQ(teamUi().picPlayerRenderNES->isVisibleTo(w.get()), nes);
        EXPECT_EQ(teamUi().contSnesPalEd->isVisibleTo(w.get()), !nes);
        EXPECT_EQ(teamUi().picPlayerRenderSNES->isVisibleTo(w.get()), !nes);
        bool toolShown = false;
        QTimer::singleShot(0, [&] {
            frmPaletteTool* tool = w->teamEditor().paletteTool(false);
            if (tool == nullptr || !tool->isVisible()) return;
            toolShown = true;
            QTest::mouseClick(tool->lblnespal[0x21], Qt::LeftButton);
            QTest::keyClick(tool->hscrRed, Qt::Key_End);
            QTest::mouseClick(tool->cmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(nes ? static_cast<QLabel*>(teamUi().lblsnespal[3]) : teamUi().lblnespal[0], Qt::LeftButton);
        settle();  // the timer is spent before the next tool comes up
        EXPECT_FALSE(toolShown);
        withPaletteTool(nes ? static_cast<QLabel*>(teamUi().lblnespal[0]) : teamUi().lblsnespal[5],
                        [](frmPaletteTool& tool) { QTest::mouseClick(tool.cmdOK, Qt::LeftButton); });
        EXPECT_EQ(diffSince(before), Lines{});
        EXPECT_EQ(steps(), taken);
    }
}

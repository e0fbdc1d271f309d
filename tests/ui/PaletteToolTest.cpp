// The palette tool run from a swatch: the NES grid previewed in monochrome and with
// emphasis, and the SNES word typed by hand.
#include <QCheckBox>
#include <QPushButton>

#include "UiHarness.h"

using PaletteTool = UiTest;

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
            EXPECT_EQ(tool.lblSelection->background(), nesColor(row.index));
            QTest::mouseClick(tool.*row.box, Qt::LeftButton);
            EXPECT_EQ(tool.lblnespal[std::size_t(row.index)]->background(), row.shown);
            for (int i = 0; i < 64; ++i) ASSERT_EQ(tool.lblnespal[std::size_t(i)]->background(), nesColor(i, row.mono, row.emphasis)) << i;
            EXPECT_EQ(tool.lblSelection->background(), nesColor(row.index));
            EXPECT_EQ(tool.getEntry_NES(), row.index);
            QTest::mouseClick(tool.lblnespal[0x2A], Qt::LeftButton);  // the selection shows the cell as shown
            EXPECT_EQ(tool.lblSelection->background(), nesColor(0x2A, row.mono, row.emphasis));
            QTest::mouseClick(tool.*row.box, Qt::LeftButton);
        }
    });
}

TEST_F(PaletteTool, TypedSnesWordIsShownMaskedButNotApplied) {
    openDemo(Console::Snes);
    const clsTeam before = team(0);
    struct Row {
        const char* name;
        QString typed;
        QString shown;
    };
    const Row rows[] = {{"above 15 bits", "FFFF", "7FFF"}, {"a letter beyond F", "12G4", "12"}, {"lower case and leading zeros", "00a1", "A1"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        withPaletteTool(teamUi().lblsnespal[5], [&](frmPaletteTool& tool) {
            tool.txtValue->setFocus();
            tool.txtValue->selectAll();
            QTest::keyClicks(tool.txtValue, row.typed);
            QTest::mouseClick(tool.cmdOK, Qt::LeftButton);  // the button takes the focus first
            EXPECT_EQ(tool.txtValue->text(), row.shown);
        });
        EXPECT_TRUE(team(0) == before);
    }
}

// The palette tool on its own: the NES grid with its monochrome and emphasis preview,
// the SNES sliders and word text, and the OK and close-button endings.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <memory>
#include <set>
#include <vector>

#include "graphics/modGraphics.h"
#include "ui/SwatchLabel.h"
#include "ui/TextBox.h"
#include "ui/frmPaletteTool.h"

namespace {

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

QColor nesColor(int index, bool mono, int emphasis) {
    return colorFromRgbValue(modGraphics::nesColorToRGB(static_cast<std::uint8_t>(index), mono,
                                                        static_cast<std::uint8_t>(emphasis)));
}

void clickCell(frmPaletteTool& tool, int i) {
    QTest::mouseClick(tool.lblnespal[static_cast<std::size_t>(i)], Qt::LeftButton);
}

// The tool shown and active, so that focus changes reach its text box.
std::unique_ptr<frmPaletteTool> shownTool(int rtype) {
    auto tool = std::make_unique<frmPaletteTool>();
    tool->initForm(rtype);
    tool->show();
    tool->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(tool.get()));
    return tool;
}

void flushDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

TEST(PaletteToolLayout, ControlsAsDesigned) {
    frmPaletteTool tool;
    EXPECT_EQ(tool.windowTitle(), "Palette Tool");
    EXPECT_TRUE(tool.isOpen());  // loading the window marks it in use
    EXPECT_FALSE(tool.isAccepted());
    for (int i = 0; i < 64; ++i) {
        auto* cell = tool.findChild<SwatchLabel*>(QStringLiteral("lblnespal_%1").arg(i));
        ASSERT_NE(cell, nullptr) << i;
        EXPECT_EQ(cell->parentWidget(), tool.contNesPalEd);
        EXPECT_EQ(cell->geometry(), QRect(26 + 24 * (i % 16), 8 + 24 * (i / 16), 17, 17)) << i;
        EXPECT_EQ(cell->font().family(), "Courier New");
    }
    EXPECT_EQ(tool.contNesPalEd->geometry(), QRect(8, 8, 416, 129));
    EXPECT_EQ(tool.contSnesPalEd->geometry(), QRect(0, 24, 416, 81));
    EXPECT_EQ(tool.lblLabels[0]->objectName(), "lblLabels_0");
    EXPECT_EQ(tool.lblLabels[0]->text(), "N\nE\nS");
    EXPECT_EQ(tool.lblLabels[1]->objectName(), "lblLabels_1");
    EXPECT_EQ(tool.lblLabels[1]->text(), "S\nN\nE\nS");
    EXPECT_EQ(tool.chkMonochrome->text(), "Monochrome");
    EXPECT_EQ(tool.chkIntRed->text(), "Emphasis");
    EXPECT_EQ(tool.chkIntBlue->text(), "");
    EXPECT_EQ(tool.chkIntGreen->text(), "");
    EXPECT_EQ(tool.chkIntRed->toolTip(), "Intensify reds (and darken other colors)");
    EXPECT_EQ(tool.chkIntGreen->toolTip(), "Intensify greens (and darken other colors)");
    EXPECT_EQ(tool.chkIntBlue->toolTip(), "Intensify blues (and darken other colors)");
    EXPECT_EQ(tool.txtValue->text(), "0000");
    EXPECT_EQ(tool.txtValue->maxLength(), 4);
    EXPECT_TRUE(tool.txtValue->alignment() & Qt::AlignHCenter);
    for (QSlider* s : {tool.hscrRed, tool.hscrGreen, tool.hscrBlue}) {
        EXPECT_EQ(s->orientation(), Qt::Horizontal);
        EXPECT_EQ(s->minimum(), 0);
        EXPECT_EQ(s->maximum(), 31);
        EXPECT_EQ(s->value(), 0);
    }
    EXPECT_EQ(tool.lblSelection->text(), "Label1");
    EXPECT_EQ(tool.cmdOK->text(), "OK");
}

TEST(PaletteToolLayout, InitFormShowsOnePart) {
    struct Row {
        int rtype;
        bool nes, snes, selection;
    };
    for (Row row : {Row{1, true, false, true}, Row{2, false, true, false}, Row{0, false, false, false},
                    Row{3, false, false, false}}) {
        frmPaletteTool tool;
        tool.initForm(row.rtype);
        EXPECT_EQ(tool.rtype(), row.rtype);
        EXPECT_TRUE(tool.isOpen());
        EXPECT_EQ(!tool.contNesPalEd->isHidden(), row.nes) << row.rtype;
        EXPECT_EQ(!tool.contSnesPalEd->isHidden(), row.snes) << row.rtype;
        EXPECT_EQ(!tool.lblSelection->isHidden(), row.selection) << row.rtype;
    }
}

TEST(PaletteToolNes, GridShowsTheMasterPaletteWithReadableCaptions) {
    frmPaletteTool tool;
    tool.initForm(1);
    tool.setupNesColor(0x16);
    const QColor window = tool.palette().color(QPalette::Window);
    const QColor text = tool.palette().color(QPalette::WindowText);
    const std::set<int> dark = {0x01, 0x02, 0x03, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E,
                                0x0F, 0x1D, 0x1E, 0x1F, 0x2E, 0x2F, 0x3E, 0x3F};
    for (int i = 0; i < 64; ++i) {
        SwatchLabel* cell = tool.lblnespal[static_cast<std::size_t>(i)];
        EXPECT_EQ(cell->background(), nesColor(i, false, 0)) << i;
        EXPECT_EQ(cell->text(), QString::asprintf("%02X", i));
        EXPECT_EQ(cell->textColor(), dark.count(i) ? window : text) << i;
    }
    // A few entries spelled out, so the grid does not merely agree with itself.
    EXPECT_EQ(tool.lblnespal[0x0D]->background(), rgb(0, 0, 0));
    EXPECT_EQ(tool.lblnespal[0x21]->background(), rgb(15, 215, 255));
    EXPECT_EQ(tool.lblnespal[0x30]->background(), rgb(255, 255, 255));
}

TEST(PaletteToolNes, SetupSelectsTheEntryAndColoursTheSelection) {
    struct Row {
        int color;
        int entry;
        QString caption;
        QColor shown;
    };
    for (const Row& row : {Row{0x16, 0x16, "16", rgb(255, 34, 0)}, Row{0x0F, 0x0F, "0F", rgb(5, 5, 5)},
                           Row{0x00, 0x00, "00", rgb(128, 128, 128)},
                           // A byte beyond the palette selects its low six bits but is shown as given.
                           Row{0x56, 0x16, "56", rgb(255, 34, 0)}}) {
        frmPaletteTool tool;
        tool.initForm(1);
        tool.setupNesColor(static_cast<std::uint8_t>(row.color));
        EXPECT_EQ(tool.getEntry_NES(), row.entry);
        EXPECT_EQ(tool.lblSelection->text(), row.caption);
        EXPECT_EQ(tool.lblSelection->background(), row.shown);
    }
}

TEST(PaletteToolNes, ClickingACellSelectsItsPlainIndex) {
    auto tool = shownTool(1);
    tool->setupNesColor(0x00);
    clickCell(*tool, 0x2A);
    EXPECT_EQ(tool->getEntry_NES(), 0x2A);
    EXPECT_EQ(tool->lblSelection->text(), "2A");
    EXPECT_EQ(tool->lblSelection->background(), rgb(43, 240, 53));

    // With blue emphasis in force the selection takes the cell's shown colour, while the
    // chosen entry stays the plain index.
    QTest::mouseClick(tool->chkIntBlue, Qt::LeftButton);
    clickCell(*tool, 0x21);
    EXPECT_EQ(tool->getEntry_NES(), 0x21);
    EXPECT_EQ(tool->lblSelection->background(), rgb(12, 178, 255));
}

TEST(PaletteToolNes, MonochromeAndEmphasisRecolourTheGridButNotTheSelection) {
    struct Row {
        std::vector<QCheckBox* frmPaletteTool::*> boxes;
        bool mono;
        int emphasis;
        int index;
        QColor expected;
    };
    const std::vector<Row> rows = {
        {{&frmPaletteTool::chkIntBlue}, false, 4, 0x21, rgb(12, 178, 255)},
        {{&frmPaletteTool::chkIntBlue}, false, 4, 0x16, rgb(209, 28, 0)},
        {{&frmPaletteTool::chkIntRed}, false, 1, 0x03, rgb(68, 0, 122)},
        {{&frmPaletteTool::chkIntGreen}, false, 2, 0x20, rgb(199, 240, 168)},
        {{&frmPaletteTool::chkIntRed, &frmPaletteTool::chkIntGreen, &frmPaletteTool::chkIntBlue}, false, 7, 0x00,
         rgb(90, 90, 90)},
        {{&frmPaletteTool::chkIntRed, &frmPaletteTool::chkIntGreen, &frmPaletteTool::chkIntBlue}, false, 7, 0x0E,
         rgb(4, 4, 4)},
        {{&frmPaletteTool::chkMonochrome}, true, 0, 0x0D, rgb(128, 128, 128)},
        {{&frmPaletteTool::chkMonochrome, &frmPaletteTool::chkIntBlue}, true, 4, 0x16, rgb(199, 199, 199)},
    };
    for (const Row& row : rows) {
        auto tool = shownTool(1);
        tool->setupNesColor(row.index);
        const QColor selection = tool->lblSelection->background();
        for (auto box : row.boxes) QTest::mouseClick((*tool).*box, Qt::LeftButton);
        EXPECT_EQ(tool->lblnespal[static_cast<std::size_t>(row.index)]->background(), row.expected) << row.index;
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(tool->lblnespal[static_cast<std::size_t>(i)]->background(), nesColor(i, row.mono, row.emphasis))
                << i;
        EXPECT_EQ(tool->lblSelection->background(), selection);
        EXPECT_EQ(tool->getEntry_NES(), row.index);

        // Unchecking everything brings the plain palette back.
        for (auto box : row.boxes) QTest::mouseClick((*tool).*box, Qt::LeftButton);
        EXPECT_EQ(tool->lblnespal[static_cast<std::size_t>(row.index)]->background(), nesColor(row.index, false, 0));
    }
}

TEST(PaletteToolSnes, SetupShowsTheWordOfTheChannels) {
    struct Row {
        int r, g, b;
        QString text;
        int word;
        QColor shown;
    };
    for (const Row& row : {Row{31, 31, 31, "7FFF", 0x7FFF, rgb(248, 248, 248)},
                           Row{31, 0, 0, "1F", 0x001F, rgb(248, 0, 0)},
                           Row{0, 31, 0, "3E0", 0x03E0, rgb(0, 248, 0)},
                           Row{0, 0, 31, "7C00", 0x7C00, rgb(0, 0, 248)},
                           Row{0, 0, 0, "0", 0, rgb(0, 0, 0)},
                           Row{5, 10, 20, "5145", 0x5145, rgb(40, 80, 160)}}) {
        frmPaletteTool tool;
        tool.initForm(2);
        tool.setupSnesColor(static_cast<std::uint8_t>(row.r), static_cast<std::uint8_t>(row.g),
                            static_cast<std::uint8_t>(row.b));
        EXPECT_EQ(tool.hscrRed->value(), row.r);
        EXPECT_EQ(tool.hscrGreen->value(), row.g);
        EXPECT_EQ(tool.hscrBlue->value(), row.b);
        EXPECT_EQ(tool.txtValue->text(), row.text);
        EXPECT_EQ(tool.getString(), row.text);
        EXPECT_EQ(tool.getEntry_SNES(), row.word);
        EXPECT_EQ(tool.lblColor->background(), row.shown);
    }
}

TEST(PaletteToolSnes, SlidersComposeTheWord) {
    auto tool = shownTool(2);
    tool->setupSnesColor(0, 0, 0);
    QTest::keyClick(tool->hscrRed, Qt::Key_End);  // 31
    QTest::keyClick(tool->hscrGreen, Qt::Key_Right);
    QTest::keyClick(tool->hscrGreen, Qt::Key_Right);  // 2
    QTest::keyClick(tool->hscrBlue, Qt::Key_End);
    QTest::keyClick(tool->hscrBlue, Qt::Key_Left);  // 30
    EXPECT_EQ(tool->getEntry_SNES(), (30 << 10) | (2 << 5) | 31);
    EXPECT_EQ(tool->txtValue->text(), "785F");
    EXPECT_EQ(tool->lblColor->background(), rgb(248, 16, 240));
}

TEST(PaletteToolSnes, TypedWordIsNormalisedButNotApplied) {
    struct Row {
        QString typed;
        QString shown;
    };
    for (const Row& row : {Row{"FFFF", "7FFF"}, Row{"8000", "0"}, Row{"12G4", "12"}, Row{"", "0"},
                           Row{"00a1", "A1"}, Row{"zz", "0"}}) {
        auto tool = shownTool(2);
        tool->setupSnesColor(1, 2, 3);
        const int before = tool->getEntry_SNES();
        tool->txtValue->setFocus();
        tool->txtValue->selectAll();
        QTest::keyClick(tool->txtValue, Qt::Key_Delete);
        QTest::keyClicks(tool->txtValue, row.typed);
        QTest::mouseClick(tool->cmdOK, Qt::LeftButton);  // the button takes the focus first
        EXPECT_EQ(tool->txtValue->text(), row.shown) << row.typed.toStdString();
        EXPECT_EQ(tool->hscrRed->value(), 1);
        EXPECT_EQ(tool->hscrGreen->value(), 2);
        EXPECT_EQ(tool->hscrBlue->value(), 3);
        EXPECT_EQ(tool->getEntry_SNES(), before);
    }
}

TEST(PaletteToolEnding, OkHidesAndKeepsTheStates) {
    auto tool = shownTool(1);
    tool->setupNesColor(0x05);
    QTest::mouseClick(tool->chkMonochrome, Qt::LeftButton);
    QTest::mouseClick(tool->chkIntGreen, Qt::LeftButton);
    clickCell(*tool, 0x31);
    QTest::mouseClick(tool->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(tool->isOpen());
    EXPECT_TRUE(tool->isAccepted());
    EXPECT_TRUE(tool->isHidden());
    EXPECT_EQ(tool->result(), QDialog::Accepted);
    flushDeferredDeletes();

    // The next use finds everything as it was left.
    tool->initForm(1);
    EXPECT_TRUE(tool->isOpen());
    EXPECT_TRUE(tool->chkMonochrome->isChecked());
    EXPECT_TRUE(tool->chkIntGreen->isChecked());
    EXPECT_FALSE(tool->chkIntRed->isChecked());
    EXPECT_EQ(tool->getEntry_NES(), 0x31);
    tool->setupNesColor(0x16);
    EXPECT_EQ(tool->lblnespal[0x16]->background(), nesColor(0x16, true, 2));
}

TEST(PaletteToolEnding, CloseButtonUnloadsTheWindow) {
    QPointer<frmPaletteTool> tool = shownTool(2).release();
    tool->setupSnesColor(4, 5, 6);
    QTest::mouseClick(tool->cmdOK, Qt::LeftButton);
    ASSERT_TRUE(tool->isAccepted());
    tool->initForm(2);
    tool->show();
    EXPECT_TRUE(tool->isOpen());
    tool->close();  // what the window's close button does
    EXPECT_FALSE(tool->isOpen());
    EXPECT_FALSE(tool->isAccepted());
    EXPECT_TRUE(tool->isUnloaded());
    EXPECT_EQ(tool->result(), QDialog::Rejected);
    flushDeferredDeletes();
    EXPECT_TRUE(tool.isNull());

    // A new window starts from the design states.
    frmPaletteTool fresh;
    EXPECT_EQ(fresh.hscrRed->value(), 0);
    EXPECT_EQ(fresh.txtValue->text(), "0000");
    EXPECT_FALSE(fresh.chkMonochrome->isChecked());
}

TEST(PaletteToolEnding, EscapeCountsAsTheCloseButton) {
    QPointer<frmPaletteTool> tool = shownTool(1).release();
    QTest::keyClick(tool, Qt::Key_Escape);
    EXPECT_FALSE(tool->isAccepted());
    EXPECT_TRUE(tool->isUnloaded());
    flushDeferredDeletes();
    EXPECT_TRUE(tool.isNull());
}

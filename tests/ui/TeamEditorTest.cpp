// The team editor in the main window: design states, filling from both editions, the
// focus rules of the name and points boxes, the swatches, the preview figures and the
// palette tool run from a swatch.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QCheckBox>
#include <QKeyEvent>

#include "TeamTestWindow.h"

using namespace teamtest;

namespace {

QImage readPpm(const std::string& path) {
    std::vector<std::uint8_t> bytes = testsupport::readBytes(path);
    const std::string header = "P6\n32 96\n255\n";
    if (bytes.size() != header.size() + 32 * 96 * 3 || std::string(bytes.begin(), bytes.begin() + 13) != header)
        return {};
    QImage img(32, 96, QImage::Format_RGB32);
    std::size_t at = header.size();
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 32; ++x, at += 3) img.setPixelColor(x, y, QColor(bytes[at], bytes[at + 1], bytes[at + 2]));
    return img;
}

// Types text that may hold characters beyond ASCII, one key event each.
void typeAny(TextBox* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

QString nodeText(TestWindow& tw, int teamIndex) { return tw.w->treeNode(2 + 13 * teamIndex)->text(0); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Layout and filling

TEST(TeamEditorLayout, DesignStatesBeforeAnyRom) {
    TestWindow tw("team-layout");
    frmMain& w = *tw.w;
    struct Box {
        TextBox* box;
        const char* name;
        const char* text;
        int maxLength;
    };
    for (const Box& b : {Box{w.txtCity, "txtCity", "CITY", 14}, Box{w.txtMascot, "txtMascot", "MASCOT", 14},
                         Box{w.txtAbrev, "txtAbrev", "ABREV", 5}, Box{w.txtPPGhome, "txtPPGhome", "000", 3},
                         Box{w.txtPPGaway, "txtPPGaway", "000", 3}}) {
        ASSERT_NE(b.box, nullptr) << b.name;
        EXPECT_EQ(b.box->objectName(), b.name);
        EXPECT_EQ(str(b.box->text()), str(b.text));
        EXPECT_EQ(b.box->maxLength(), b.maxLength) << b.name;
        EXPECT_FALSE(b.box->isEnabled()) << b.name;
        EXPECT_TRUE(w.frameTeamEditor->isAncestorOf(b.box));
    }
    EXPECT_TRUE(w.txtPPGhome->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(w.txtPPGaway->alignment() & Qt::AlignHCenter);
    bool haveCaption = false;
    for (QLabel* l : w.frameTeamEditor->findChildren<QLabel*>())
        haveCaption |= l->text() == "    PPG    HOME  AWAY";
    EXPECT_TRUE(haveCaption);
    // The points boxes stand side by side, home on the left.
    EXPECT_LT(w.txtPPGhome->x(), w.txtPPGaway->x());

    for (PictureBox* p : {w.picPlayerRenderNES, w.picPlayerRenderSNES}) {
        EXPECT_EQ(p->size(), QSize(34, 98));
        EXPECT_FALSE(p->isEnabled());
    }
    EXPECT_EQ(w.contNesPalEd->size(), QSize(34, 18));
    EXPECT_EQ(w.contSnesPalEd->size(), QSize(256, 66));
    EXPECT_TRUE(w.contNesPalEd->isHidden());
    EXPECT_TRUE(w.contSnesPalEd->isHidden());
    for (int i = 0; i < 6; ++i) {
        QLabel* l = w.lblnespal[static_cast<std::size_t>(i)];
        EXPECT_EQ(l->objectName(), QStringLiteral("lblnespal_%1").arg(i));
        EXPECT_EQ(l->parentWidget(), w.contNesPalEd);
        EXPECT_EQ(l->geometry(), QRect(16 * i, 0, 16, 16));
        EXPECT_EQ(l->font().family(), "Courier New");
    }
    for (int i = 0; i < 128; ++i) {
        QLabel* l = w.lblsnespal[static_cast<std::size_t>(i)];
        EXPECT_EQ(l->objectName(), QStringLiteral("lblsnespal_%1").arg(i));
        EXPECT_EQ(l->parentWidget(), w.contSnesPalEd);
        EXPECT_EQ(l->geometry(), QRect(8 * (i % 32), 16 * (i / 32), 8, 16));
    }
}

TEST(TeamEditorFill, NesRomDrawsTheNesFigureAndFillsBothSwatchRows) {
    TestWindow tw("team-fill-nes");
    tw.open(Console::Nes);
    frmMain& w = *tw.w;
    const clsTeam& t = team(0);
    EXPECT_EQ(w.txtCity->text().toStdString(), t.getCity());
    EXPECT_EQ(w.txtMascot->text().toStdString(), t.getMascot());
    EXPECT_EQ(w.txtAbrev->text().toStdString(), t.getAbrev());
    EXPECT_EQ(str(w.txtPPGhome->text()), str(QString::number(t.getPointsScored())));
    EXPECT_EQ(str(w.txtPPGaway->text()), str(QString::number(t.getPointsGiven())));
    EXPECT_TRUE(w.txtCity->isEnabled());
    EXPECT_FALSE(w.contNesPalEd->isHidden());
    EXPECT_FALSE(w.contSnesPalEd->isHidden());

    for (int i = 0; i < 2; ++i) {
        int index = t.getUniformColor_NES_single(i);
        EXPECT_EQ(swatchAt(w.lblnespal[static_cast<std::size_t>(i)])->background(), nesColor(index));
        EXPECT_EQ(str(w.lblnespal[static_cast<std::size_t>(i)]->text()), str(QString::asprintf("%02X", index)));
    }
    // The SNES row shows the record's words even with the NES edition loaded.
    for (int i = 0; i < 128; ++i)
        ASSERT_EQ(rgbValueFromColor(swatchAt(w.lblsnespal[static_cast<std::size_t>(i)])->background()),
                  t.getUniformColor_RGB(i))
            << i;

    EXPECT_FALSE(w.picPlayerRenderNES->isHidden());
    EXPECT_EQ(figureOf(*w.picPlayerRenderNES), expectedFigure(*w.picPlayerRenderNES, Console::Nes, t, 0));
    // Variant 0: the sky-blue background and the team's first colour are in the figure.
    const QImage fig = figureOf(*w.picPlayerRenderNES);
    EXPECT_GT(countColour(fig, QColor(0, 119, 255)), 0);
    EXPECT_GT(countColour(fig, nesColor(t.getUniformColor_NES_0())), 0);
    EXPECT_TRUE(isBlank(*w.picPlayerRenderSNES));
}

TEST(TeamEditorFill, SnesRomDrawsTheSnesFigureAndLeavesTheNesOneBlank) {
    TestWindow tw("team-fill-snes");
    tw.open(Console::Snes);
    frmMain& w = *tw.w;
    const clsTeam& t = team(0);
    for (int i = 0; i < 2; ++i) {
        int index = t.getUniformColor_NES_single(i);
        EXPECT_EQ(swatchAt(w.lblnespal[static_cast<std::size_t>(i)])->background(), nesColor(index));
        EXPECT_EQ(str(w.lblnespal[static_cast<std::size_t>(i)]->text()), str(QString::asprintf("%02X", index)));
    }
    for (int i = 0; i < 128; ++i)
        ASSERT_EQ(rgbValueFromColor(swatchAt(w.lblsnespal[static_cast<std::size_t>(i)])->background()),
                  t.getUniformColor_RGB(i));
    EXPECT_TRUE(isBlank(*w.picPlayerRenderNES));
    EXPECT_FALSE(w.picPlayerRenderSNES->isHidden());
    const QImage fig = figureOf(*w.picPlayerRenderSNES);
    EXPECT_EQ(fig, expectedFigure(*w.picPlayerRenderSNES, Console::Snes, t, 0));
    EXPECT_GT(countColour(fig, QColor(0, 0, 0)), 0);  // pixel value 0 is black
    EXPECT_FALSE(isBlank(*w.picPlayerRenderSNES));
}

// ---------------------------------------------------------------------------------------
// Preview figures

TEST(TeamEditorFigure, MatchesTheReferenceFiguresOfEveryVariant) {
    REQUIRE_FIXTURES();
    struct Row {
        const char* rom;
        ConsoleKind kind;
        int variants;
    };
    for (Row row : {Row{"nes-1/game.nes", Console::Nes, 4}, Row{"snes-1/game.smc", Console::Snes, 8}}) {
        TestWindow tw(std::string("team-figure-ref-") + (row.kind == Console::Nes ? "nes" : "snes"));
        std::string rom = tw.file(row.kind == Console::Nes ? "game.nes" : "game.smc");
        testsupport::writeBytes(rom, testsupport::readBytes(testsupport::fixture(row.rom)));
        tw.openFile(rom, row.kind);
        tw.show();
        PictureBox* box = row.kind == Console::Nes ? tw.w->picPlayerRenderNES : tw.w->picPlayerRenderSNES;
        std::string folder = std::string(row.rom).substr(0, std::string(row.rom).find('/'));
        for (int v = 0; v < row.variants; ++v) {
            QImage expected = readPpm(testsupport::fixture(folder + "/expected/sprite_" + std::to_string(v) + ".ppm"));
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(figureOf(*box), expected) << row.rom << " variant " << v;
            QTest::mouseClick(box, Qt::LeftButton);
        }
    }
}

TEST(TeamEditorFigure, ClicksCycleTheVariantsOfTheLoadedEditionOnly) {
    struct Row {
        ConsoleKind kind;
        int variants;
    };
    for (Row row : {Row{Console::Nes, 4}, Row{Console::Snes, 8}}) {
        TestWindow tw(row.kind == Console::Nes ? "team-variants-nes" : "team-variants-snes");
        tw.open(row.kind);
        tw.show();
        frmMain& w = *tw.w;
        const bool nes = row.kind == Console::Nes;
        PictureBox* loaded = nes ? w.picPlayerRenderNES : w.picPlayerRenderSNES;
        PictureBox* other = nes ? w.picPlayerRenderSNES : w.picPlayerRenderNES;
        int& variant = nes ? w.nesSpriteVariant : w.snesSpriteVariant;
        int& otherVariant = nes ? w.snesSpriteVariant : w.nesSpriteVariant;

        // Clicking the other edition's figure changes nothing.
        const QImage otherBefore = other->image().copy();
        QTest::mouseClick(other, Qt::LeftButton);
        EXPECT_EQ(otherVariant, 0);
        EXPECT_EQ(variant, 0);
        EXPECT_EQ(other->image(), otherBefore);

        std::vector<QImage> seen;
        for (int click = 1; click <= row.variants; ++click) {
            QTest::mouseClick(loaded, Qt::LeftButton);
            EXPECT_EQ(variant, click % row.variants);
            EXPECT_FALSE(loaded->isHidden());
            EXPECT_EQ(figureOf(*loaded), expectedFigure(*loaded, row.kind, team(0), variant)) << click;
            seen.push_back(figureOf(*loaded));
        }
        EXPECT_EQ(seen.back(), expectedFigure(*loaded, row.kind, team(0), 0));  // back at variant 0
        EXPECT_EQ(otherVariant, 0);
        if (nes) {
            // Variant 2 wears the second colour: the first colour is gone from the shirt
            // when the two differ.
            const clsTeam& t = team(0);
            if (t.getUniformColor_NES_0() != t.getUniformColor_NES_1()) {
                EXPECT_GT(countColour(seen[1], nesColor(t.getUniformColor_NES_1())), 0);
            }
            // Variant 1 changes the skin from 0x27 to 0x17.
            EXPECT_GT(countColour(seen[0], QColor(214, 50, 0)), 0);
            EXPECT_EQ(countColour(seen[0], QColor(255, 156, 18)), 0);
        }
    }
}

TEST(TeamEditorFigure, ImageEndingInsideTheTilesLeavesTheFigureHidden) {
    TestWindow tw("team-figure-short");
    tw.open(Console::Nes);
    frmMain& w = *tw.w;
    RomImage whole = modGlobals::romData;
    modGlobals::romData.resize(modGraphics::kNesTiles + 40);  // ends inside the third tile
    w.showNesUniform(true);
    EXPECT_TRUE(w.picPlayerRenderNES->isHidden());
    // The swatches are filled all the same.
    EXPECT_EQ(str(w.lblnespal[0]->text()), str(QString::asprintf("%02X", team(0).getUniformColor_NES_0())));
    // Clearing does not bring it back; a complete drawing does.
    w.showNesUniform(false);
    EXPECT_TRUE(w.picPlayerRenderNES->isHidden());
    modGlobals::romData = whole;
    w.showNesUniform(true);
    EXPECT_FALSE(w.picPlayerRenderNES->isHidden());
    EXPECT_EQ(figureOf(*w.picPlayerRenderNES), expectedFigure(*w.picPlayerRenderNES, Console::Nes, team(0), 0));
}

// ---------------------------------------------------------------------------------------
// Names and points

TEST(TeamEditorNames, LeavingANameBoxUpperCasesStoresAndRenamesTheNode) {
    TestWindow tw("team-names");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(2 + 13 * 4);
    ASSERT_EQ(w.selectedTeam, 4);

    TestWindow::type(w.txtCity, "boston");
    EXPECT_EQ(w.txtCity->text(), "boston");  // unchanged while it has the focus
    QTest::mouseClick(w.txtMascot, Qt::LeftButton);
    EXPECT_EQ(str(w.txtCity->text()), "BOSTON");
    EXPECT_EQ(team(4).getCity(), "BOSTON");
    EXPECT_EQ(str(nodeText(tw, 4)), "BOSTON " + team(4).getMascot());

    TestWindow::type(w.txtMascot, "green men");
    QTest::mouseClick(w.txtAbrev, Qt::LeftButton);
    EXPECT_EQ(str(w.txtMascot->text()), "GREEN MEN");
    EXPECT_EQ(team(4).getMascot(), "GREEN MEN");
    EXPECT_EQ(str(nodeText(tw, 4)), "BOSTON GREEN MEN");
    EXPECT_EQ(str(nodeText(tw, 3)), str(QString::fromStdString(team(3).getCity() + " " + team(3).getMascot())));

    // The stored names survive moving to another team and back.
    tw.clickNode(2 + 13 * 5);
    tw.clickNode(2 + 13 * 4);
    EXPECT_EQ(str(w.txtCity->text()), "BOSTON");
    EXPECT_EQ(str(w.txtMascot->text()), "GREEN MEN");
}

TEST(TeamEditorNames, NameBoxesTakePrintableAsciiOnly) {
    TestWindow tw("team-ascii");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    typeAny(w.txtCity, QString::fromUtf8("a\xC3\xA9z~ 1"));  // a, e-acute, z, tilde, blank, 1
    EXPECT_EQ(str(w.txtCity->text()), "az~ 1");
    typeAny(w.txtAbrev, QString::fromUtf8("\xE2\x82\xAC" "ab"));
    EXPECT_EQ(str(w.txtAbrev->text()), "ab");
}

TEST(TeamEditorNames, AbbreviationChangeRefreshesTheScheduleAtOnce) {
    TestWindow tw("team-abrev");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(2 + 13 * 2);
    TestWindow::type(w.txtAbrev, "qz");
    QTest::mouseClick(w.txtCity, Qt::LeftButton);
    EXPECT_EQ(str(w.txtAbrev->text()), "QZ");
    EXPECT_EQ(team(2).getAbrev(), "QZ");
    EXPECT_EQ(w.cmbHome->itemText(2), "QZ");
    EXPECT_EQ(w.cmbAway->itemText(2), "QZ");
    int mentions = 0;
    for (int g = 0; g < w.lstSchedule->count(); ++g) {
        ASSERT_EQ(w.lstSchedule->item(g)->text().toStdString(), league().getMatchupStr(g)) << g;
        mentions += w.lstSchedule->item(g)->text().contains("QZ") ? 1 : 0;
    }
    EXPECT_GT(mentions, 0);
}

TEST(TeamEditorPoints, LeavingAPointsBoxNormalisesAndStoringRoundsHalfToEven) {
    struct Row {
        const char* typed;
        const char* shown;
        int stored;
    };
    const Row rows[] = {
        {"300", "255", 255}, {"255", "255", 255}, {"97", "97", 97},   {"007", "7", 7},   {"1.5", "1.5", 2},
        {"2.5", "2.5", 2},   {"3.5", "3.5", 4},   {"abc", "0", 0},    {"", "0", 0},      {"-5", "0", 0},
        {"&HF", "15", 15},   {" 42", "42", 42},   {"9z9", "9", 9},    {"999", "255", 255},
    };
    TestWindow tw("team-points");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(2 + 13 * 6);
    for (const Row& row : rows) {
        // Each box in turn takes the entry while the other holds 17: home is the points
        // scored, away the points given.
        for (bool home : {true, false}) {
            TextBox* box = home ? w.txtPPGhome : w.txtPPGaway;
            TextBox* other = home ? w.txtPPGaway : w.txtPPGhome;
            TestWindow::type(other, "17");
            TestWindow::type(box, row.typed);
            QTest::mouseClick(w.txtCity, Qt::LeftButton);
            EXPECT_EQ(str(box->text()), str(row.shown)) << row.typed;
            // Stored at the next tree click.
            tw.clickNode(2 + 13 * 7);
            EXPECT_EQ(team(6).getPointsScored(), home ? row.stored : 17) << row.typed;
            EXPECT_EQ(team(6).getPointsGiven(), home ? 17 : row.stored) << row.typed;
            tw.clickNode(2 + 13 * 6);
            EXPECT_EQ(str(box->text()), std::to_string(row.stored));
        }
    }
}

TEST(TeamEditorPoints, NegativeEntryStillBeingEditedStoresZero) {
    TestWindow tw("team-points-negative");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    TestWindow::type(w.txtPPGhome, "-7");
    TestWindow::type(w.txtPPGaway, "-1");  // leaves txtPPGhome: normalised to 0
    EXPECT_EQ(str(w.txtPPGhome->text()), "0");
    // A menu command does not take the focus: the box still reads -1 when it is stored.
    tw.dialogs.queueCancel();
    w.menuProjectExportTeam->trigger();
    EXPECT_EQ(str(w.txtPPGaway->text()), "-1");
    EXPECT_EQ(team(0).getPointsScored(), 0);
    EXPECT_EQ(team(0).getPointsGiven(), 0);
    EXPECT_TRUE(tw.messages.shown.empty());
}

// ---------------------------------------------------------------------------------------
// The palette tool run from a swatch

TEST(TeamEditorPalette, NesColourPickedAndConfirmedGoesIntoTheTeamAndTheFigure) {
    TestWindow tw("team-palette-nes");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(2 + 13 * 3);
    const int untouched = team(3).getUniformColor_NES_1();
    const int original = team(3).getUniformColor_NES_0();
    const int pick = team(3).getUniformColor_NES_0() == 0x2A ? 0x16 : 0x2A;

    int offered = -1;
    withPaletteTool(w, w.lblnespal[0], [&](frmPaletteTool& tool) {
        offered = tool.getEntry_NES();
        EXPECT_FALSE(tool.contNesPalEd->isHidden());
        EXPECT_TRUE(tool.contSnesPalEd->isHidden());
        pickNes(tool, pick);
        pressOk(tool);
    });
    EXPECT_EQ(offered, original);  // the tool starts from the swatch's colour
    EXPECT_EQ(team(3).getUniformColor_NES_0(), pick);
    EXPECT_EQ(team(3).getUniformColor_NES_1(), untouched);
    EXPECT_EQ(swatchAt(w.lblnespal[0])->background(), nesColor(pick));
    EXPECT_EQ(str(w.lblnespal[0]->text()), str(QString::asprintf("%02X", pick)));
    EXPECT_FALSE(w.picPlayerRenderNES->isHidden());
    const QImage fig = figureOf(*w.picPlayerRenderNES);
    EXPECT_EQ(fig, expectedFigure(*w.picPlayerRenderNES, Console::Nes, team(3), 0));
    EXPECT_GT(countColour(fig, nesColor(pick)), 0);
    EXPECT_TRUE(w.isEnabled());

    // The tool offers the swatch's current colour the next time.
    withPaletteTool(w, w.lblnespal[0], [&](frmPaletteTool& tool) {
        offered = tool.getEntry_NES();
        EXPECT_EQ(str(tool.lblSelection->text()), str(QString::asprintf("%02X", pick)));
        pressOk(tool);
    });
    EXPECT_EQ(offered, pick);
    EXPECT_EQ(team(3).getUniformColor_NES_0(), pick);

    // The second swatch writes the second colour.
    withPaletteTool(w, w.lblnespal[1], [&](frmPaletteTool& tool) {
        pickNes(tool, 0x05);
        pressOk(tool);
    });
    EXPECT_EQ(team(3).getUniformColor_NES_1(), 0x05);
    EXPECT_EQ(team(3).getUniformColor_NES_0(), pick);
}

TEST(TeamEditorPalette, SnesWordSetWithTheSlidersGoesIntoTheTeam) {
    TestWindow tw("team-palette-snes");
    tw.open(Console::Snes);
    tw.show();
    frmMain& w = *tw.w;
    const int entry = 3;  // in palette 0, which the figure of variant 0 uses
    const int before = team(0).getUniformColor_1Word(entry);
    const std::int16_t other = team(0).getUniformColor_1Word(entry + 1);

    int red = -1, green = -1, blue = -1;
    withPaletteTool(w, w.lblsnespal[entry], [&](frmPaletteTool& tool) {
        red = tool.hscrRed->value();
        green = tool.hscrGreen->value();
        blue = tool.hscrBlue->value();
        EXPECT_FALSE(tool.contSnesPalEd->isHidden());
        EXPECT_TRUE(tool.contNesPalEd->isHidden());
        QTest::keyClick(tool.hscrRed, Qt::Key_End);
        QTest::keyClick(tool.hscrGreen, Qt::Key_Home);
        QTest::keyClick(tool.hscrBlue, Qt::Key_Home);
        for (int i = 0; i < 9; ++i) QTest::keyClick(tool.hscrBlue, Qt::Key_Right);
        EXPECT_EQ(str(tool.txtValue->text()), "241F");
        pressOk(tool);
    });
    // The tool started from the entry's channels.
    EXPECT_EQ(red, before & 31);
    EXPECT_EQ(green, (before >> 5) & 31);
    EXPECT_EQ(blue, (before >> 10) & 31);

    EXPECT_EQ(team(0).getUniformColor_1Word(entry), 0x241F);
    EXPECT_EQ(team(0).getUniformData(2 * entry), 0x1F);
    EXPECT_EQ(team(0).getUniformData(2 * entry + 1), 0x24);
    EXPECT_EQ(team(0).getUniformColor_1Word(entry + 1), other);
    EXPECT_EQ(swatchAt(w.lblsnespal[entry])->background(), QColor(248, 0, 72));
    EXPECT_EQ(figureOf(*w.picPlayerRenderSNES), expectedFigure(*w.picPlayerRenderSNES, Console::Snes, team(0), 0));
}

TEST(TeamEditorPalette, CloseButtonChangesNothing) {
    TestWindow tw("team-palette-cancel");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    const clsTeam before = team(0);
    const QImage figure = figureOf(*w.picPlayerRenderNES);
    const QColor swatch = swatchAt(w.lblnespal[0])->background();
    withPaletteTool(w, w.lblnespal[0], [&](frmPaletteTool& tool) {
        pickNes(tool, (before.getUniformColor_NES_0() + 1) & 63);
        tool.close();
    });
    withPaletteTool(w, w.lblsnespal[7], [&](frmPaletteTool& tool) {
        QTest::keyClick(tool.hscrRed, Qt::Key_End);
        QTest::keyClick(tool.hscrGreen, Qt::Key_End);
        tool.close();
    });
    EXPECT_TRUE(team(0) == before);
    EXPECT_EQ(swatchAt(w.lblnespal[0])->background(), swatch);
    EXPECT_EQ(figureOf(*w.picPlayerRenderNES), figure);
    EXPECT_EQ(w.paletteTool(false), nullptr);  // unloaded
    EXPECT_TRUE(tw.messages.shown.empty());
}

TEST(TeamEditorPalette, CheckStatesAreKeptAfterOkAndClearedAfterAClose) {
    TestWindow tw("team-palette-states");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    withPaletteTool(w, w.lblnespal[0], [&](frmPaletteTool& tool) {
        QTest::mouseClick(tool.chkMonochrome, Qt::LeftButton);
        QTest::mouseClick(tool.chkIntRed, Qt::LeftButton);
        QTest::mouseClick(tool.chkIntBlue, Qt::LeftButton);
        pickNes(tool, 0x12);
        pressOk(tool);
    });
    // The value returned is the plain index, whatever the preview showed.
    EXPECT_EQ(team(0).getUniformColor_NES_0(), 0x12);
    EXPECT_EQ(swatchAt(w.lblnespal[0])->background(), nesColor(0x12));

    bool mono = false, red = false, green = true, blue = false;
    QColor cell;
    withPaletteTool(w, w.lblnespal[1], [&](frmPaletteTool& tool) {
        mono = tool.chkMonochrome->isChecked();
        red = tool.chkIntRed->isChecked();
        green = tool.chkIntGreen->isChecked();
        blue = tool.chkIntBlue->isChecked();
        cell = tool.lblnespal[0x16]->background();
        tool.close();
    });
    EXPECT_TRUE(mono);
    EXPECT_TRUE(red);
    EXPECT_FALSE(green);
    EXPECT_TRUE(blue);
    EXPECT_EQ(cell, QColor(199, 199, 199));  // monochrome wins over emphasis

    withPaletteTool(w, w.lblnespal[1], [&](frmPaletteTool& tool) {
        mono = tool.chkMonochrome->isChecked();
        red = tool.chkIntRed->isChecked();
        blue = tool.chkIntBlue->isChecked();
        cell = tool.lblnespal[0x16]->background();
        tool.close();
    });
    EXPECT_FALSE(mono);
    EXPECT_FALSE(red);
    EXPECT_FALSE(blue);
    EXPECT_EQ(cell, QColor(255, 34, 0));
}

TEST(TeamEditorPalette, NesSwatchWithTheSnesEditionLoadedStoresAndRecoloursOnlyThatSwatch) {
    TestWindow tw("team-palette-cross");
    tw.open(Console::Snes);
    tw.show();
    frmMain& w = *tw.w;
    const QString caption = w.lblnespal[1]->text();
    const int pick = team(0).getUniformColor_NES_1() == 0x30 ? 0x21 : 0x30;
    withPaletteTool(w, w.lblnespal[1], [&](frmPaletteTool& tool) {
        pickNes(tool, pick);
        pressOk(tool);
    });
    EXPECT_EQ(team(0).getUniformColor_NES_1(), pick);
    EXPECT_EQ(swatchAt(w.lblnespal[1])->background(), nesColor(pick));
    EXPECT_EQ(w.lblnespal[1]->text(), caption);  // renewed at the next fill
    EXPECT_TRUE(isBlank(*w.picPlayerRenderNES));
    tw.clickNode(3);
    EXPECT_EQ(str(w.lblnespal[1]->text()), str(QString::asprintf("%02X", pick)));
}

// ---------------------------------------------------------------------------------------
// A picture of the panel for the record.

TEST(TeamEditorScreenshot, TeamEditorWithTheFigure) {
    TestWindow tw("team-screenshot");
    tw.open(Console::Nes);
    tw.show();
    tw.w->resize(1100, 720);
    QTest::qWait(50);
    QDir().mkpath(TAMSEL_BUILD_DIR "/screenshots");
    QImage shot = tw.w->frameTeamEditor->grab().toImage();
    EXPECT_FALSE(tw.w->picPlayerRenderNES->isHidden());
    EXPECT_TRUE(shot.save(TAMSEL_BUILD_DIR "/screenshots/team-editor.png"));

    // The same panel with the SNES edition loaded.
    TestWindow snes("team-screenshot-snes");
    snes.open(Console::Snes);
    snes.show();
    EXPECT_FALSE(snes.w->picPlayerRenderSNES->isHidden());
    EXPECT_TRUE(snes.w->frameTeamEditor->grab().toImage().save(TAMSEL_BUILD_DIR "/screenshots/team-editor-snes.png"));
}

// The palette tool run from a team's swatches: a NES colour picked from the grid, an SNES word
// set with the sliders or typed, into the team, its swatch and its figure; the grid previewed in
// monochrome and with emphasis; its states kept after OK; a closed tool changes nothing.
#include <QCheckBox>

#include "graphics/modGraphics.h"
#include "ui/support/UiHarness.h"

class PaletteTool : public UiTest {
public:
    frmPaletteTool* tool() { return w->teamEditor().paletteTool(false); }
    static QColor nes(int index, bool mono = false, int emphasis = 0) {
        return colorFromRgbValue(modGraphics::nesColorToRGB(std::uint8_t(index), mono, std::uint8_t(emphasis)));
    }
};

// A colour confirmed as the swatch showed it is no step: the tool starts from the swatch.
TEST_F(PaletteTool, NesColoursGoIntoTheTeamTheSwatchAndTheFigure) {
    openDemo();
    act("click team 3");
    const QImage figure = figureOf(teamUi().picPlayerRenderNES);
    play({
        {"click lblnespal_0, click cmdOK, click lblnespal_1, click cmdOK", "", "", ""},
        {"click lblnespal_0, click lblnespal_42, click cmdOK, see 2A in lblnespal_0",
         "team 3 uniform nes 0: 0x02 -> 0x2A", "", "Colour",
         [&] {
             EXPECT_EQ(teamUi().lblnespal[0]->background(), nes(0x2A));
             EXPECT_NE(figureOf(teamUi().picPlayerRenderNES), figure);
         }},
        {"click lblnespal_1, click chkMonochrome, click chkIntBlue, click lblnespal_33, click cmdOK, see 21 in "
         "lblnespal_1",
         "team 3 uniform nes 1: 0x16 -> 0x21", "", "Colour",
         [&] {  // previewed, stored plain
             EXPECT_EQ(QList({teamUi().lblnespal[1]->background(), tool()->lblnespal[0x21]->background(),
                              tool()->lblSelection->background()}),
                       QList({nes(0x21), nes(0x21, true, 4), nes(0x21, true, 4)}));
         }},
        {"click lblnespal_0, click chkMonochrome, click chkIntRed, click lblnespal_3, close frmPaletteTool", "", "",
         nullptr, [this] { EXPECT_EQ(tool(), nullptr); }},
        {"click lblnespal_0, click cmdOK", "", "", nullptr,
         [this] { EXPECT_EQ(tool()->lblnespal[0x03]->background(), nes(0x03)); }},  // the tool starts afresh
    });
}

// Sliders and the hex box set an SNES word, the sliders labelled with their values; text that is
// no 15-bit colour is refused with a message, and OK waits for a colour.
TEST_F(PaletteTool, SnesWordsComeFromTheSlidersOrTheHexBox) {
    openDemo(Console::Snes);
    const std::string refused = "see Not a 15-bit colour: type 0 to 7FFF in hexadecimal. in lblValueMessage";
    play({
        {"click lblsnespal_3, click cmdOK", "", "", ""},
        {"click lblsnespal_3, focus hscrRed, End, focus hscrGreen, Home, focus hscrBlue, Home, Right*9, see 241F in "
         "txtValue, click cmdOK",
         "team 0 uniform snes 3: 0x3656 -> 0x241F", "", "Colour",
         [this] {
             // The colour as the window shows it, and the swatch under the pointer there.
             SwatchLabel* swatch = teamUi().lblsnespal[3];
             EXPECT_EQ(swatch->background(), QColor(248, 0, 72));
             QApplication::processEvents();
             const QPoint at = swatch->mapTo(w.get(), swatch->rect().center());
             const QImage shown = QGuiApplication::primaryScreen()->grabWindow(w->winId()).toImage();
             EXPECT_EQ(shown.pixelColor(at), QColor(248, 0, 72));
             EXPECT_EQ(w->childAt(at), swatch);
         }},
        {"click lblsnespal_5, type FFFF into txtValue, click cmdOK, " + refused +
         ", type 12G4 into txtValue, click cmdOK, " + refused},
        {"click lblsnespal_5, type 00a1 into txtValue, Return, see G 5 in lblChannel_1, click cmdOK",
         "team 0 uniform snes 5: 0x109A -> 0x00A1"},
    });
}

// Only the open edition's colours and figure show; a click on the other's records nothing, and
// neither does a colour confirmed unchanged whatever else its word holds (bit 15).
TEST_F(PaletteTool, OnlyTheOpenEditionsColoursShow) {
    for (const ConsoleKind kind : {Console::Nes, Console::Snes}) {
        const bool isNes = kind == Console::Nes;
        SCOPED_TRACE(isNes ? "NES" : "SNES");
        openDemo(kind);
        session().edit("Colour", LeagueChange::ofTeam(0, LeagueChange::Uniforms),
                       [](clsProject& l) { l.getTeamRef(0)->setSnesByte(11, 0x80); });
        EXPECT_EQ(
            QList({teamUi().contNesPalEd->isVisibleTo(w.get()), teamUi().picPlayerRenderNES->isVisibleTo(w.get()),
                   teamUi().contSnesPalEd->isVisibleTo(w.get()), teamUi().picPlayerRenderSNES->isVisibleTo(w.get())}),
            QList({isNes, isNes, !isNes, !isNes}));
        play({{isNes ? "click lblsnespal_3, click lblnespal_0, click cmdOK"
                     : "click lblnespal_0, click lblsnespal_5, click cmdOK",
               "", "", "Colour"}});
        restart();
    }
}

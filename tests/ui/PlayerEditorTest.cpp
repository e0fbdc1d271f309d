// The player editor: how its boxes normalise and store what is typed, values the record
// cannot hold, the rating rows, and the save paths that do or do not take the focus first.
#include <QClipboard>
#include <QGuiApplication>
#include <QToolButton>

#include "UiHarness.h"
#include "model/Rating.h"

using PlayerEditor = UiTest;

namespace {

using Box = TextBox* PlayerEditorPanel::Controls::*;
using Ctl = PlayerEditorPanel::Controls;

// How many pixels of the rating box hold the bar colour: ten rows as long as the rating.
int barPixels(const PictureBox* box) {
    const QImage& img = box->image();
    int count = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) count += img.pixelColor(x, y) == QColor(0, 0, 128) ? 1 : 0;
    return count;
}

}  // namespace

// The name boxes of both editors refuse characters beyond ASCII as they are typed.
TEST_F(PlayerEditor, BoxesNormaliseWhenTheyLoseTheFocusAndNamesRenameTheNode) {
    openDemo();
    clickNode(playerNode(2, 3));
    struct Row {
        const char* name;
        TextBox* box;
        QString typed;
        QString whileFocused;
        QString shown;
    };
    const Row rows[] = {
        {"inches kept", playerUi().txtInches, "9", "9", "9"},
        {"inches above 11", playerUi().txtInches, "15", "15", "11"},
        {"inches negative", playerUi().txtInches, "-3", "-3", "0"},
        {"feet without a number", playerUi().txtFeet, "x", "x", "0"},
        {"weight cut to a multiple of 4", playerUi().txtWeight, "203", "203", "200"},
        {"weight without a number", playerUi().txtWeight, "abc", "abc", "0"},
        {"field goals cut to 0", playerUi().txtFGpercent, "1", "1", "000"},
        {"field goals cut", playerUi().txtFGpercent, "455", "455", "452"},
        {"three-pointers padded", playerUi().txtTPTpercent, "45", "45", "044"},
        {"free throws with a point", playerUi().txtFTpercent, "8.", "8.", "008"},
        {"jersey negative", playerUi().txtJersey, "-5", "-5", "00"},
        {"jersey empty", playerUi().txtJersey, "", "", "00"},
        {"jersey padded", playerUi().txtJersey, "7", "7", "07"},
        {"first name beyond ASCII", playerUi().txtFirstname, QString::fromUtf8("M\u00dcLLER"), "MLLER", "MLLER"},
        {"first name upper-cased", playerUi().txtFirstname, "abc d", "abc d", "ABC D"},
        {"last name beyond ASCII", playerUi().txtLastname, QString::fromUtf8("\u00c4t\u00dc x\u00d6"), "t x", "T X"},
        {"city beyond ASCII", teamUi().txtCity, QString::fromUtf8("a\u00e9z~ 1"), "az~ 1", "AZ~ 1"},
        {"abbreviation beyond ASCII", teamUi().txtAbrev, QString::fromUtf8("\u00e0b"), "b", "B"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        type(row.box, row.typed);
        EXPECT_EQ(row.box->text(), row.whileFocused);
        clickRow(scheduleUi().lstSchedule, 0);  // another control takes the focus
        EXPECT_EQ(row.box->text(), row.shown);
    }
    // The jersey and the names are stored as soon as they are left, and renamed the node.
    EXPECT_EQ(player(2, 3).getJersey(), 7);
    EXPECT_EQ(str(node(playerNode(2, 3))->text(0)), "07-ABC D " + player(2, 3).getLast());
}

// A pasted name loses what no game text holds: control characters (tab, line break, DEL) as letters beyond ASCII.
TEST_F(PlayerEditor, APastedNameDropsWhatTheGameCannotStore) {
    openDemo();
    clickNode(playerNode(2, 3));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("a\tb\r\nc\u00e9d\x7f"));
    type(playerUi().txtLastname, "");
    QTest::keyClick(playerUi().txtLastname, Qt::Key_V, Qt::ControlModifier);
    clickRow(scheduleUi().lstSchedule, 0);
    EXPECT_EQ(player(2, 3).getLast(), "ABCD");
}

TEST_F(PlayerEditor, MenuSaveStoresTheTypedWeightTheToolButtonItsNormalForm) {
    openDemo();
    clickNode(playerNode(4, 1));
    type(playerUi().txtWeight, "203");
    EXPECT_EQ(save(), "File successfully saved!");  // a menu command leaves the focus where it is
    EXPECT_EQ(playerUi().txtWeight->text(), "203");
    EXPECT_EQ(player(4, 1).getWeight(), 203);
    type(playerUi().txtWeight, "203");
    messages.shown.clear();
    QTest::mouseClick(menus().cmdFileSave, Qt::LeftButton);  // the button takes the focus first
    EXPECT_EQ(last(), "File successfully saved!");
    EXPECT_EQ(playerUi().txtWeight->text(), "200");
    open(rom);  // what was saved is what the image now holds
    EXPECT_EQ(player(4, 1).getWeight(), 200);
}

// Texts still in their boxes when the menu save stores them: out of range, and at the top of the boxes.
TEST_F(PlayerEditor, ValuesTheFieldsCannotHoldAreBroughtIntoRangeWhenStored) {
    openDemo();
    clickNode(playerNode(8, 6));
    struct Row {
        const char* name;
        Box box;
        int (*stored)(const clsPlayer&);
        QString text;
        int expected;
    };
    const auto jersey = [](const clsPlayer& p) { return int(p.getJersey()); };
    const auto feet = [](const clsPlayer& p) { return int(p.getFeet()); };
    const auto inches = [](const clsPlayer& p) { return int(p.getInch()); };
    const auto weight = [](const clsPlayer& p) { return int(p.getWeight()); };
    const auto fg = [](const clsPlayer& p) { return int(p.getFGpercent()); };
    const auto tp = [](const clsPlayer& p) { return int(p.get3PTpercent()); };
    const Row rows[] = {
        {"jersey negative", &Ctl::txtJersey, jersey, "-5", 0},
        {"feet a minus sign alone", &Ctl::txtFeet, feet, "-", 0},
        {"inches negative", &Ctl::txtInches, inches, "-3", 0},
        {"weight negative", &Ctl::txtWeight, weight, "-20", 0},
        {"field goals negative", &Ctl::txtFGpercent, fg, "-44", 0},
        {"three-pointers with an exponent", &Ctl::txtTPTpercent, tp, "1e9", 1},
        {"jersey 98", &Ctl::txtJersey, jersey, "98", 98},
        {"feet 9", &Ctl::txtFeet, feet, "9", 9},
        {"inches 14, kept until the box is left", &Ctl::txtInches, inches, "14", 14},
        {"weight 999", &Ctl::txtWeight, weight, "999", 999},
        {"field goals 999", &Ctl::txtFGpercent, fg, "999", 999},
        {"three-pointers 7", &Ctl::txtTPTpercent, tp, "7", 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        (playerUi().*row.box)->setText(row.text);
        EXPECT_EQ(save(), "File successfully saved!");
        EXPECT_EQ(row.stored(player(8, 6)), row.expected);
    }
}

TEST_F(PlayerEditor, UnknownPositionCodesAreKept) {
    openDemo();
    clickNode(playerNode(3, 2));
    choose(playerUi().cmbPosition, 4);
    session().edit("Position", {3, 5},
                   [](clsProject& l) { l.getTeamRef(3)->getPlayerRef(5)->setPosition(6); });  // no entry in the list
    clickNode(playerNode(3, 5));
    EXPECT_EQ(player(3, 2).getPosition(), 4);
    EXPECT_EQ(playerUi().cmbPosition->currentIndex(), -1);
    clickNode(playerNode(3, 6));
    EXPECT_EQ(player(3, 5).getPosition(), 6);
}

// Each row's buttons step their own rating (the limits are the model's) and redraw its value and bar.
TEST_F(PlayerEditor, RatingButtonsStepTheirRatingAndRedrawTheBar) {
    openDemo();
    clickNode(playerNode(5, 4));
    const clsPlayer& p = player(5, 4);
    for (std::size_t i = 0; i < kRatings.size(); ++i) {
        SCOPED_TRACE(kRatings[i].rowName);
        for (const bool up : {true, false, false}) {
            clsPlayer expected = p;
            if (up) {
                kRatings[i].stepUp(expected);
            } else {
                kRatings[i].stepDown(expected);
            }
            QTest::mouseClick((up ? playerUi().cmdIncAtt : playerUi().cmdDecAtt)[i], Qt::LeftButton);
            EXPECT_TRUE(p == expected);
            EXPECT_EQ(playerUi().ratingValues[i]->text(), QString::number(kRatings[i].value(p)));
            EXPECT_EQ(barPixels(playerUi().ratingBars[i]), kRatings[i].value(p) * 10);
        }
    }
}

// A click that gives a box the focus selects its whole text, as the Tab key does, so the
// digit typed replaces the full jersey box; a second click places the cursor.
TEST_F(PlayerEditor, AClickIntoABoxSelectsItsTextLikeTheTabKey) {
    openDemo();
    session().edit("Jersey", {2, 5}, [](clsProject& l) { l.getTeamRef(2)->getPlayerRef(5)->setJersey(82); });
    clickNode(playerNode(2, 5));
    ASSERT_EQ(playerUi().txtJersey->text(), "82");
    QTest::mouseClick(playerUi().txtFirstname, Qt::LeftButton);
    QTest::mouseClick(playerUi().txtJersey, Qt::LeftButton);
    EXPECT_EQ(playerUi().txtJersey->selectedText(), "82");
    QTest::keyClick(playerUi().txtJersey, Qt::Key_7);
    EXPECT_EQ(playerUi().txtJersey->text(), "7");
    QTest::mouseClick(playerUi().txtFirstname, Qt::LeftButton);
    EXPECT_EQ(player(2, 5).getJersey(), 7);
    EXPECT_EQ(playerUi().txtJersey->text(), "07");
    QTest::mouseClick(playerUi().txtWeight, Qt::LeftButton);
    EXPECT_EQ(playerUi().txtWeight->selectedText(), playerUi().txtWeight->text());
    QTest::mouseClick(playerUi().txtWeight, Qt::LeftButton, {}, QPoint(2, playerUi().txtWeight->height() / 2));
    EXPECT_FALSE(playerUi().txtWeight->hasSelectedText());
}

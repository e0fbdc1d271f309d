// The player editor: how its boxes normalise and store what is typed, values the record
// cannot hold, the rating rows, and the save paths that do or do not take the focus first.
#include <QClipboard>
#include <QGuiApplication>
#include <QToolButton>

#include "UiHarness.h"
#include "model/Rating.h"

using PlayerEditor = UiTest;

namespace {

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
        {"percentage of four digits cut", playerUi().txtFGpercent, "1019", "1019", "1016"},
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
    EXPECT_EQ(player(2, 3).getFGpercent(), 1016);
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

// Clicking through every player in the tree and every game in the schedule stores nothing:
// each box shows what its field holds (percentages of 1,000 and more in four digits, names
// longer than their box), and a box the user did not change is not written back.
TEST_F(PlayerEditor, BrowsingPlayersAndGamesChangesNothing) {
    REQUIRE_FIXTURES();
    struct Row {
        const char* name;
        std::function<void(UiTest&)> open;
    };
    std::vector<Row> rows;
    for (const testsupport::Reference& ref : testsupport::kReferences)
        rows.push_back({ref.folder.c_str(), [&ref](UiTest& t) { t.openReference(ref); }});
    rows.push_back({"names longer than their boxes", [](UiTest& t) {
                        t.openDemo(Console::Snes);
                        session().edit("Last Name", {}, [](clsProject& l) {
                            l.getTeamRef(1)->setCity("LONGER CITY NAME");
                            l.getTeamRef(0)->getPlayerRef(1)->setLast("LONGERLASTNAME");
                        });
                        ASSERT_EQ(t.save(), "File successfully saved!");
                        t.open(t.rom);
                    }});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NO_FATAL_FAILURE(row.open(*this));
        const clsProject opened = league();
        for (int t = 0; t < clsProject::kTeams; ++t)
            for (int p = 0; p < clsTeam::kRoster; ++p) clickNode(playerNode(t, p));
        clickRow(scheduleUi().lstSchedule, 0);
        for (int g = 1; g < 1107; ++g) QTest::keyClick(scheduleUi().lstSchedule, Qt::Key_Down);
        ASSERT_EQ(w->selection().game, 1106);
        clickNode(playerNode(0, 0));
        EXPECT_EQ(diffSince(opened), Lines{});
        EXPECT_EQ(steps(), 0u);
        EXPECT_FALSE(w->isWindowModified());
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

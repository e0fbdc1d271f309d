// The player editor: what it shows, how its boxes normalise and store what is typed,
// the rating rows with their bars and step buttons, and the save paths that do or do not
// take the focus first.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "MainWindowHarness.h"
#include "ui/PictureBox.h"

using namespace uitest;

namespace {

const QColor kBar(0, 0, 128);

// Width of the dark-blue bar drawn from the left edge of a rating box.
int barWidth(const PictureBox* box) {
    const QImage& img = box->image();
    int w = 0;
    while (w < img.width() && img.pixelColor(w, 4) == kBar) ++w;
    // Nothing dark blue may lie beyond the bar, in any row.
    for (int y = 0; y < img.height(); ++y)
        for (int x = w; x < img.width(); ++x)
            if (img.pixelColor(x, y) == kBar) return -1;
    for (int y = 0; y < img.height(); ++y)
        if (w > 0 && img.pixelColor(w - 1, y) != kBar) return -2;
    return w;
}

std::array<int, 6> shownRatings(const clsPlayer& p) {
    return {p.getConvRunSpeed(), p.getConvJump(), p.getConvSteal(), p.getConvBlock(), p.getConvShotRange(),
            p.getConvStamina()};
}

}  // namespace

class PlayerEditor : public MainWindowTest {
protected:
    void openDemo(ConsoleKind kind = Console::Nes) {
        start();
        rom = placeRom(kind, kind == Console::Nes ? "game.nes" : "game.smc");
        openOk(rom);
    }
    std::string rom;
};

TEST_F(PlayerEditor, ShowsTheSelectedPlayer) {
    openDemo();
    for (int node : {3, 3 + 13 * 9 + 5, 3 + 13 * 26 + 11}) {
        clickNode(node);
        const clsPlayer& p = player(w->selectedTeam, w->selectedPlayer);
        SCOPED_TRACE(p.getFullname());
        EXPECT_EQ(w->txtFirstname->text(), QString::fromStdString(p.getFirst()));
        EXPECT_EQ(w->txtLastname->text(), QString::fromStdString(p.getLast()));
        EXPECT_EQ(w->txtJersey->text(), QString::number(p.getJersey()).rightJustified(2, '0').right(2));
        EXPECT_EQ(w->txtFeet->text(), QString::number(p.getFeet()));
        EXPECT_EQ(w->txtInches->text(), QString::number(p.getInch()));
        EXPECT_EQ(w->txtWeight->text(), QString::number(p.getWeight()));
        EXPECT_EQ(w->cmbPosition->currentIndex(), p.getPosition() <= 4 ? p.getPosition() : -1);
        EXPECT_EQ(w->txtFGpercent->text(), QString::number(p.getFGpercent()).rightJustified(3, '0').right(3));
        EXPECT_EQ(w->txtFTpercent->text(), QString::number(p.getFTpercent()).rightJustified(3, '0').right(3));
        EXPECT_EQ(w->txtTPTpercent->text(), QString::number(p.get3PTpercent()).rightJustified(3, '0').right(3));
        const auto values = shownRatings(p);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(w->ratingLabels[i]->text(), QString::number(values[i]));
            EXPECT_EQ(barWidth(w->ratingBars[i]), std::min(values[i], 106));
        }
    }
}

TEST_F(PlayerEditor, DesignOfTheControls) {
    start();
    struct Box {
        TextBox* box;
        const char* name;
        int maxLength;
        bool centred;
    };
    for (const Box& b : {Box{w->txtJersey, "txtJersey", 2, true}, Box{w->txtFirstname, "txtFirstname", 12, false},
                         Box{w->txtLastname, "txtLastname", 12, false}, Box{w->txtFeet, "txtFeet", 1, true},
                         Box{w->txtInches, "txtInches", 2, true}, Box{w->txtWeight, "txtWeight", 3, true},
                         Box{w->txtFGpercent, "txtFGpercent", 3, true}, Box{w->txtTPTpercent, "txtTPTpercent", 3, true},
                         Box{w->txtFTpercent, "txtFTpercent", 3, true}}) {
        EXPECT_EQ(b.box->objectName(), b.name);
        EXPECT_EQ(b.box->maxLength(), b.maxLength) << b.name;
        EXPECT_EQ((b.box->alignment() & Qt::AlignHCenter) != 0, b.centred) << b.name;
    }
    ASSERT_EQ(w->cmbPosition->count(), 5);
    const char* positions[5] = {"Guard", "Guard", "Forward", "Forward", "Center"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w->cmbPosition->itemText(i), positions[i]);
    const char* bars[6] = {"picRS", "picJump", "picSteal", "picBlock", "picSR", "picStanima"};
    const char* values[6] = {"lblRunSpeed", "lblJump", "lblSteal", "lblBlock", "lblShotRange", "lblStam"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(w->ratingBars[i]->objectName(), bars[i]);
        EXPECT_EQ(w->ratingBars[i]->size(), QSize(106, 10));
        EXPECT_EQ(w->ratingLabels[i]->objectName(), values[i]);
        EXPECT_EQ(w->cmdDecAtt[i]->objectName(), QStringLiteral("cmdDecAtt_%1").arg(i));
        EXPECT_EQ(w->cmdIncAtt[i]->objectName(), QStringLiteral("cmdIncAtt_%1").arg(i));
        EXPECT_EQ(w->cmdDecAtt[i]->text(), "-");
        EXPECT_EQ(w->cmdIncAtt[i]->text(), "+");
        // Rows stand top to bottom in attribute order.
        if (i > 0) EXPECT_GT(w->ratingBars[i]->y(), w->ratingBars[i - 1]->y());
    }
    // Field goal, three-point, free throw from left to right.
    EXPECT_LT(w->txtFGpercent->x(), w->txtTPTpercent->x());
    EXPECT_LT(w->txtTPTpercent->x(), w->txtFTpercent->x());
}

TEST_F(PlayerEditor, BoxesNormaliseWhenTheyLoseTheFocus) {
    openDemo();
    struct Row {
        TextBox* box;
        const char* typed;
        const char* shown;
    };
    const std::vector<Row> rows = {
        {w->txtInches, "9", "9"},         {w->txtInches, "15", "11"},       {w->txtInches, "-3", "0"},
        {w->txtInches, "", "0"},          {w->txtFeet, "6", "6"},           {w->txtFeet, "-", "0"},
        {w->txtFeet, "x", "0"},           {w->txtWeight, "203", "200"},     {w->txtWeight, "207", "204"},
        {w->txtWeight, "-8", "0"},        {w->txtWeight, "abc", "0"},       {w->txtWeight, "999", "996"},
        {w->txtFGpercent, "1", "000"},    {w->txtFGpercent, "455", "452"},  {w->txtFGpercent, "45", "044"},
        {w->txtTPTpercent, "999", "996"}, {w->txtFTpercent, "-4", "000"},   {w->txtFTpercent, "8.", "008"},
        {w->txtJersey, "", "00"},         {w->txtJersey, "7", "07"},        {w->txtJersey, "-5", "00"},
        {w->txtJersey, "99", "99"},       {w->txtFirstname, "abc d", "ABC D"}, {w->txtLastname, "mc coy", "MC COY"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.box->objectName().toStdString() + " typed '" + row.typed + "'");
        type(row.box, row.typed);
        EXPECT_EQ(row.box->text(), row.typed);
        clickRow(w->lstSchedule, 0);  // another control takes the focus
        EXPECT_FALSE(row.box->hasFocus());
        EXPECT_EQ(row.box->text(), row.shown);
    }
}

TEST_F(PlayerEditor, JerseyAndNamesAreStoredAtOnceTheOthersAtTheNextStore) {
    openDemo();
    clickNode(3 + 13 * 2 + 3);
    clsPlayer& p = player(2, 3);
    const auto weight = p.getWeight();
    type(w->txtJersey, "");
    type(w->txtWeight, "120");  // the jersey box lost the focus to the weight box
    EXPECT_EQ(p.getJersey(), 0);
    EXPECT_EQ(w->treeNode(3 + 13 * 2 + 3)->text(0).left(3), "00-");
    type(w->txtFirstname, "larry");  // the weight box normalised, nothing stored
    EXPECT_EQ(w->txtWeight->text(), "120");
    EXPECT_EQ(p.getWeight(), weight);
    QTest::keyClick(w->txtFirstname, Qt::Key_Tab);  // storing the name stores every field
    EXPECT_EQ(p.getFirst(), "LARRY");
    EXPECT_EQ(p.getWeight(), 120);
    EXPECT_EQ(w->treeNode(3 + 13 * 2 + 3)->text(0), QString::fromStdString("00-LARRY " + p.getLast()));
}

TEST_F(PlayerEditor, ABoxTakingTheFocusSelectsItsWholeText) {
    openDemo();
    for (TextBox* box : {w->txtJersey, w->txtWeight, w->txtFGpercent, w->txtLastname}) {
        SCOPED_TRACE(box->objectName().toStdString());
        w->lstSchedule->setFocus(Qt::OtherFocusReason);
        box->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(box->selectedText(), box->text());
        QTest::keyClicks(box, "1");
        EXPECT_EQ(box->text(), "1");
    }
}

TEST_F(PlayerEditor, MenuSaveStoresTheTypedWeightTheToolButtonItsNormalForm) {
    openDemo();
    clickNode(3 + 13 * 4 + 1);
    type(w->txtWeight, "203");
    messages.clear();
    w->menuFileSave->trigger();  // a menu command leaves the focus where it is
    EXPECT_EQ(messages.last(), "File successfully saved!");
    EXPECT_TRUE(w->txtWeight->hasFocus());
    EXPECT_EQ(w->txtWeight->text(), "203");
    EXPECT_EQ(player(4, 1).getWeight(), 203);

    type(w->txtWeight, "203");
    messages.clear();
    QTest::mouseClick(w->cmdFileSave, Qt::LeftButton);  // the button takes the focus first
    EXPECT_EQ(messages.last(), "File successfully saved!");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(w->txtWeight->text(), "200");
    EXPECT_EQ(player(4, 1).getWeight(), 200);

    // What was saved is what the image now holds.
    openOk(rom);
    EXPECT_EQ(player(4, 1).getWeight(), 200);
}

TEST_F(PlayerEditor, ValuesTheFieldsCannotHoldAreBroughtIntoRangeWhenStored) {
    openDemo();
    clickNode(3 + 13 * 8 + 6);
    // Texts that reached the boxes without leaving them (the menu save does not move the
    // focus): a minus sign, more than the fields hold.
    w->txtJersey->setText("-5");
    w->txtFeet->setText("-");
    w->txtInches->setText("-3");
    w->txtWeight->setText("-20");
    w->txtFGpercent->setText("-44");
    w->txtFTpercent->setText("-1");
    w->txtTPTpercent->setText("1e9");
    EXPECT_EQ(saveByMenu(), "File successfully saved!");
    const clsPlayer& p = player(8, 6);
    EXPECT_EQ(p.getJersey(), 0);
    EXPECT_EQ(p.getFeet(), 0);
    EXPECT_EQ(p.getInch(), 0);
    EXPECT_EQ(p.getWeight(), 0);
    EXPECT_EQ(p.getFGpercent(), 0);
    EXPECT_EQ(p.getFTpercent(), 0);
    EXPECT_EQ(p.get3PTpercent(), 1);

    w->txtInches->setText("14");  // the stored field holds up to 15
    w->txtFeet->setText("9");
    w->txtJersey->setText("98");
    w->txtWeight->setText("999");
    EXPECT_EQ(saveByMenu(), "File successfully saved!");
    EXPECT_EQ(p.getInch(), 14);
    EXPECT_EQ(p.getFeet(), 9);
    EXPECT_EQ(p.getJersey(), 98);
    EXPECT_EQ(p.getWeight(), 999);

    openOk(rom);
    EXPECT_EQ(player(8, 6).getJersey(), 98);
    EXPECT_EQ(player(8, 6).getInch(), 14);
    EXPECT_EQ(player(8, 6).getFeet(), 9);
}

TEST_F(PlayerEditor, NameBoxesTakePrintableAsciiOnly) {
    openDemo();
    type(w->txtFirstname, QString::fromUtf8("M\u00dcLLER"));
    EXPECT_EQ(w->txtFirstname->text(), "MLLER");
    type(w->txtLastname, QString::fromUtf8("\u00c4t\u00dc x\u00d6"));
    EXPECT_EQ(w->txtLastname->text(), "t x");

    QGuiApplication::clipboard()->setText(QString::fromUtf8("JOS\u00c9"));
    if (QGuiApplication::clipboard()->text() == QString::fromUtf8("JOS\u00c9")) {
        type(w->txtLastname, "SMITH");
        QTest::keyClick(w->txtLastname, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(w->txtLastname->text(), "SMITH");
        QGuiApplication::clipboard()->setText("JONES");
        QTest::keyClick(w->txtLastname, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(w->txtLastname->text(), "SMITHJONES");
    }
    QTest::keyClick(w->txtLastname, Qt::Key_Tab);
    EXPECT_EQ(saveByMenu(), "File successfully saved!");
}

TEST_F(PlayerEditor, PositionIsStoredFromTheListAndUnknownCodesAreKept) {
    openDemo();
    clickNode(3 + 13 * 3 + 2);
    chooseWithKeys(w->cmbPosition, 4);
    clickNode(3 + 13 * 3 + 3);
    EXPECT_EQ(player(3, 2).getPosition(), 4);

    player(3, 5).setPosition(6);  // no entry in the list
    clickNode(3 + 13 * 3 + 5);
    EXPECT_EQ(w->cmbPosition->currentIndex(), -1);
    clickNode(3 + 13 * 3 + 6);
    EXPECT_EQ(player(3, 5).getPosition(), 6);
}

TEST_F(PlayerEditor, RatingButtonsStepWithinTheLimitsAndRedrawTheBars) {
    openDemo();
    clickNode(3 + 13 * 5 + 4);
    clsPlayer& p = player(5, 4);
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        // Up to the top, then one more click by mouse changes nothing.
        for (int n = 0; n < 300; ++n) w->cmdIncAtt_Click(static_cast<int>(i));
        const int top = shownRatings(p)[i];
        const clsPlayer atTop = p;
        QTest::mouseClick(w->cmdIncAtt[i], Qt::LeftButton);
        EXPECT_EQ(p, atTop);
        EXPECT_EQ(w->ratingLabels[i]->text(), QString::number(top));
        EXPECT_EQ(barWidth(w->ratingBars[i]), std::min(top, 106));
        EXPECT_GT(top, 0);

        QTest::mouseClick(w->cmdDecAtt[i], Qt::LeftButton);
        const int below = shownRatings(p)[i];
        EXPECT_NE(p, atTop);
        EXPECT_LE(below, top);
        EXPECT_EQ(w->ratingLabels[i]->text(), QString::number(below));
        EXPECT_EQ(barWidth(w->ratingBars[i]), std::min(below, 106));

        for (int n = 0; n < 300; ++n) w->cmdDecAtt_Click(static_cast<int>(i));
        const int bottom = shownRatings(p)[i];
        const clsPlayer atBottom = p;
        QTest::mouseClick(w->cmdDecAtt[i], Qt::LeftButton);
        EXPECT_EQ(p, atBottom);
        EXPECT_EQ(barWidth(w->ratingBars[i]), std::min(std::max(bottom, 0), 106));
        EXPECT_EQ(w->ratingLabels[i]->text(), QString::number(bottom));
    }
    const clsPlayer before = p;
    w->cmdIncAtt_Click(6);
    w->cmdDecAtt_Click(-1);
    EXPECT_EQ(p, before);
}

TEST_F(PlayerEditor, ClickingAStepButtonFirstNormalisesTheBoxBeingEdited) {
    openDemo();
    clickNode(3 + 13 * 1 + 1);
    type(w->txtJersey, "3");
    QTest::mouseClick(w->cmdIncAtt[2], Qt::LeftButton);
    EXPECT_EQ(w->txtJersey->text(), "03");
    EXPECT_EQ(player(1, 1).getJersey(), 3);
    EXPECT_EQ(w->treeNode(3 + 13 + 1)->text(0).left(3), "03-");
}

// The player editor: how its boxes normalise and store what is typed, values the record
// cannot hold, the rating rows at their limits, and the save paths that do or do not take
// the focus first.
#include <QPushButton>
#include <QToolButton>

#include "UiHarness.h"

using PlayerEditor = UiTest;

namespace {

// Width of the dark-blue bar drawn from the left edge of a rating box; -1 when the box
// holds bar colour anywhere else.
int barWidth(const PictureBox* box) {
    const QImage& img = box->image();
    int width = 0, all = 0;
    while (width < img.width() && img.pixelColor(width, 4) == QColor(0, 0, 128)) ++width;
    for (int i = 0; i < img.width() * img.height(); ++i) all += img.pixelColor(i % img.width(), i / img.width()) == QColor(0, 0, 128);
    return all == width * img.height() ? width : -1;
}

int shownRating(const clsPlayer& p, std::size_t i) {
    const int v[6] = {p.getConvRunSpeed(), p.getConvJump(), p.getConvSteal(), p.getConvBlock(), p.getConvShotRange(), p.getConvStamina()};
    return v[i];
}

}  // namespace

TEST_F(PlayerEditor, BoxesNormaliseWhenTheyLoseTheFocusAndNamesRenameTheNode) {
    openDemo();
    clickNode(playerNode(2, 3));
    struct Row { TextBox* box; QString typed, shown; };
    const Row rows[] = {
        {w->txtInches, "9", "9"},       {w->txtInches, "15", "11"},       {w->txtInches, "-3", "0"},
        {w->txtFeet, "x", "0"},         {w->txtWeight, "203", "200"},     {w->txtWeight, "207", "204"},
        {w->txtWeight, "abc", "0"},     {w->txtFGpercent, "1", "000"},    {w->txtFGpercent, "455", "452"},
        {w->txtTPTpercent, "45", "044"}, {w->txtFTpercent, "8.", "008"},  {w->txtJersey, "-5", "00"},
        {w->txtJersey, "", "00"},       {w->txtJersey, "7", "07"},        {w->txtFirstname, "abc d", "ABC D"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(str(row.box->objectName() + " typed " + row.typed));
        type(row.box, row.typed);
        EXPECT_EQ(row.box->text(), row.typed);
        clickRow(w->lstSchedule, 0);  // another control takes the focus
        EXPECT_EQ(row.box->text(), row.shown);
    }
    // The jersey and the names are stored as soon as they are left, and renamed the node.
    EXPECT_EQ(player(2, 3).getJersey(), 7);
    EXPECT_EQ(player(2, 3).getFirst(), "ABC D");
    EXPECT_EQ(str(w->treeNode(playerNode(2, 3))->text(0)), "07-ABC D " + player(2, 3).getLast());
}

TEST_F(PlayerEditor, MenuSaveStoresTheTypedWeightTheToolButtonItsNormalForm) {
    openDemo();
    clickNode(playerNode(4, 1));
    type(w->txtWeight, "203");
    EXPECT_EQ(save(), "File successfully saved!");  // a menu command leaves the focus where it is
    EXPECT_EQ(w->txtWeight->text(), "203");
    EXPECT_EQ(player(4, 1).getWeight(), 203);

    type(w->txtWeight, "203");
    messages.shown.clear();
    QTest::mouseClick(w->cmdFileSave, Qt::LeftButton);  // the button takes the focus first
    EXPECT_EQ(last(), "File successfully saved!");
    EXPECT_EQ(w->txtWeight->text(), "200");
    open(rom);  // what was saved is what the image now holds
    EXPECT_EQ(player(4, 1).getWeight(), 200);
}

TEST_F(PlayerEditor, ValuesTheFieldsCannotHoldAreBroughtIntoRangeWhenStored) {
    openDemo();
    clickNode(playerNode(8, 6));
    // Texts still in their boxes when the menu save stores them.
    const std::vector<TextBox*> boxes = {w->txtJersey, w->txtFeet, w->txtInches, w->txtWeight, w->txtFGpercent, w->txtTPTpercent};
    struct Row { std::vector<QString> texts; std::vector<int> stored; };
    for (const Row& row : {Row{{"-5", "-", "-3", "-20", "-44", "1e9"}, {0, 0, 0, 0, 0, 1}},
                           Row{{"98", "9", "14", "999", "999", "7"}, {98, 9, 14, 999, 999, 7}}}) {
        for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->setText(row.texts[i]);
        EXPECT_EQ(save(), "File successfully saved!");
        const clsPlayer& p = player(8, 6);
        EXPECT_EQ(row.stored, (std::vector<int>{p.getJersey(), p.getFeet(), p.getInch(), p.getWeight(), p.getFGpercent(), p.get3PTpercent()}));
    }
}

TEST_F(PlayerEditor, NameBoxesRefuseCharactersBeyondAscii) {
    openDemo();
    struct Row { TextBox* box; QString typed, shown; };
    for (const Row& row : {Row{w->txtFirstname, QString::fromUtf8("M\u00dcLLER"), "MLLER"},
                           Row{w->txtLastname, QString::fromUtf8("\u00c4t\u00dc x\u00d6"), "t x"},
                           Row{w->txtCity, QString::fromUtf8("a\u00e9z~ 1"), "az~ 1"},
                           Row{w->txtAbrev, QString::fromUtf8("\u00e0b"), "b"}}) {
        type(row.box, row.typed);
        EXPECT_EQ(row.box->text(), row.shown);
    }
}

TEST_F(PlayerEditor, UnknownPositionCodesAreKept) {
    openDemo();
    clickNode(playerNode(3, 2));
    choose(w->cmbPosition, 4);
    player(3, 5).setPosition(6);  // no entry in the list
    clickNode(playerNode(3, 5));
    EXPECT_EQ(player(3, 2).getPosition(), 4);
    EXPECT_EQ(w->cmbPosition->currentIndex(), -1);
    clickNode(playerNode(3, 6));
    EXPECT_EQ(player(3, 5).getPosition(), 6);
}

TEST_F(PlayerEditor, RatingButtonsStepWithinTheLimitsAndRedrawTheBars) {
    openDemo();
    clickNode(playerNode(5, 4));
    clsPlayer& p = player(5, 4);
    const int top[6] = {100, 100, 100, 96, 100, 100}, bottom[6] = {0, 0, 0, 0, 0, 1};
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        for (bool up : {true, false}) {
            for (int n = 0; n < 300; ++n) up ? w->cmdIncAtt_Click(int(i)) : w->cmdDecAtt_Click(int(i));
            const clsPlayer atLimit = p;
            QTest::mouseClick(up ? w->cmdIncAtt[i] : w->cmdDecAtt[i], Qt::LeftButton);
            EXPECT_TRUE(p == atLimit);
            EXPECT_EQ(w->ratingLabels[i]->text(), QString::number(up ? top[i] : bottom[i]));
            EXPECT_EQ(barWidth(w->ratingBars[i]), up ? top[i] : bottom[i]);
            QTest::mouseClick(up ? w->cmdDecAtt[i] : w->cmdIncAtt[i], Qt::LeftButton);
            EXPECT_FALSE(p == atLimit);
            EXPECT_EQ(w->ratingLabels[i]->text(), QString::number(shownRating(p, i)));
            EXPECT_EQ(barWidth(w->ratingBars[i]), shownRating(p, i));
        }
    }
}

// Player editor panel: name, jersey, height, weight, position, shooting percentages and
// the six rating rows of the selected player.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/TextNumber.h"
#include "session/modGlobals.h"
#include "ui/PictureBox.h"
#include "ui/TextBox.h"
#include "ui/UiText.h"
#include "ui/frmMain.h"

namespace {

// What the byte and word fields of a player record can hold.
constexpr long long kJerseyMax = 99;
constexpr long long kFeetMax = 15;
constexpr long long kInchesShownMax = 11;
constexpr long long kInchesStoredMax = 15;
constexpr long long kWeightMax = 32767;
constexpr long long kPercentMax = 999;

const QColor kBarColour(0, 0, 128);
constexpr int kBarWidth = 106;
constexpr int kBarHeight = 10;

long long rounded(const TextBox* box, long long lo, long long hi) {
    return TextNumber::roundedClamped(UiText::toRom(box->text()), lo, hi);
}

// Cut toward zero to a multiple of 4, the step in which the game stores weights and
// percentages.
long long cutToFour(long long v) { return v - v % 4; }

TextBox* makeBox(const QString& name, const QString& text, int maxLength, bool centred, int width, QWidget* parent) {
    auto* box = new TextBox(name, parent);
    box->setText(text);
    box->setMaxLength(maxLength);
    if (centred) box->setAlignment(Qt::AlignCenter);
    if (width > 0) box->setFixedWidth(width);
    return box;
}

QLabel* fixedLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return l;
}

}  // namespace

void frmMain::buildPlayerPanel(QGroupBox* frame) {
    const QFontMetrics fm(frame->font());
    const int narrow = fm.horizontalAdvance(QStringLiteral("0000")) + 14;
    const int small = fm.horizontalAdvance(QStringLiteral("000")) + 12;

    auto* column = new QVBoxLayout(frame);
    column->setSpacing(6);

    // Jersey - first name, last name.
    auto* nameRow = new QHBoxLayout();
    txtJersey = makeBox(QStringLiteral("txtJersey"), QStringLiteral("00"), 2, true, narrow, frame);
    txtFirstname = makeBox(QStringLiteral("txtFirstname"), QStringLiteral("FIRST"), 12, false, 0, frame);
    txtLastname = makeBox(QStringLiteral("txtLastname"), QStringLiteral("LAST"), 12, false, 0, frame);
    txtFirstname->acceptPrintableAsciiOnly();
    txtLastname->acceptPrintableAsciiOnly();
    nameRow->addWidget(txtJersey);
    nameRow->addWidget(fixedLabel(QStringLiteral("-"), frame));
    nameRow->addWidget(txtFirstname, 1);
    nameRow->addWidget(txtLastname, 1);
    column->addLayout(nameRow);

    // Height, weight, position.
    auto* bodyRow = new QHBoxLayout();
    txtFeet = makeBox(QStringLiteral("txtFeet"), QStringLiteral("0"), 1, true, small, frame);
    txtInches = makeBox(QStringLiteral("txtInches"), QStringLiteral("00"), 2, true, small, frame);
    txtWeight = makeBox(QStringLiteral("txtWeight"), QStringLiteral("000"), 3, true, narrow, frame);
    cmbPosition = new QComboBox(frame);
    cmbPosition->setObjectName(QStringLiteral("cmbPosition"));
    for (const char* name : Position::kNames) cmbPosition->addItem(QString::fromLatin1(name));
    bodyRow->addWidget(fixedLabel(QStringLiteral("Height"), frame));
    bodyRow->addWidget(txtFeet);
    bodyRow->addWidget(fixedLabel(QStringLiteral("ft"), frame));
    bodyRow->addWidget(txtInches);
    bodyRow->addWidget(fixedLabel(QStringLiteral("in"), frame));
    bodyRow->addSpacing(10);
    bodyRow->addWidget(fixedLabel(QStringLiteral("Weight"), frame));
    bodyRow->addWidget(txtWeight);
    bodyRow->addSpacing(10);
    bodyRow->addWidget(fixedLabel(QStringLiteral("Pos"), frame));
    bodyRow->addWidget(cmbPosition, 1);
    column->addLayout(bodyRow);

    // Shooting percentages: field goal, three-point, free throw; 452 reads as 0.452.
    auto* pct = new QGridLayout();
    pct->setHorizontalSpacing(2);
    txtFGpercent = makeBox(QStringLiteral("txtFGpercent"), QStringLiteral("000"), 3, true, narrow, frame);
    txtTPTpercent = makeBox(QStringLiteral("txtTPTpercent"), QStringLiteral("000"), 3, true, narrow, frame);
    txtFTpercent = makeBox(QStringLiteral("txtFTpercent"), QStringLiteral("000"), 3, true, narrow, frame);
    const std::array<std::pair<const char*, TextBox*>, 3> shots = {
        {{"FG%", txtFGpercent}, {"3PT%", txtTPTpercent}, {"FT%", txtFTpercent}}};
    for (int i = 0; i < 3; ++i) {
        auto* head = new QLabel(QString::fromLatin1(shots[static_cast<std::size_t>(i)].first), frame);
        head->setAlignment(Qt::AlignCenter);
        pct->addWidget(head, 0, 3 * i + 1);
        pct->addWidget(fixedLabel(QStringLiteral("0."), frame), 1, 3 * i);
        pct->addWidget(shots[static_cast<std::size_t>(i)].second, 1, 3 * i + 1);
        pct->setColumnMinimumWidth(3 * i + 2, 14);
    }
    pct->setColumnStretch(9, 1);
    column->addLayout(pct);

    // Rating rows: name, bar, "-", "+", value.
    static const char* const kRowNames[6] = {"Running Speed", "Jumping", "Stealing", "Blocking", "Shooting Range",
                                             "Stamina"};
    static const char* const kBarNames[6] = {"picRS", "picJump", "picSteal", "picBlock", "picSR", "picStanima"};
    static const char* const kValueNames[6] = {"lblRunSpeed", "lblJump", "lblSteal", "lblBlock", "lblShotRange",
                                               "lblStam"};
    auto* ratings = new QGridLayout();
    ratings->setHorizontalSpacing(6);
    ratings->setVerticalSpacing(2);
    const int buttonSide = fm.height() + 6;
    for (int i = 0; i < 6; ++i) {
        auto idx = static_cast<std::size_t>(i);
        ratings->addWidget(new QLabel(QString::fromLatin1(kRowNames[i]), frame), i, 0);
        auto* bar = new PictureBox(QString::fromLatin1(kBarNames[i]), kBarWidth, kBarHeight, frame);
        bar->setBackground(Qt::white);
        bar->clear();
        ratingBars[idx] = bar;
        ratings->addWidget(bar, i, 1, Qt::AlignVCenter);
        auto* dec = new QPushButton(QStringLiteral("-"), frame);
        dec->setObjectName(QStringLiteral("cmdDecAtt_%1").arg(i));
        dec->setFixedSize(buttonSide, buttonSide);
        cmdDecAtt[idx] = dec;
        ratings->addWidget(dec, i, 2);
        auto* inc = new QPushButton(QStringLiteral("+"), frame);
        inc->setObjectName(QStringLiteral("cmdIncAtt_%1").arg(i));
        inc->setFixedSize(buttonSide, buttonSide);
        cmdIncAtt[idx] = inc;
        ratings->addWidget(inc, i, 3);
        auto* value = new QLabel(QStringLiteral("0"), frame);
        value->setObjectName(QString::fromLatin1(kValueNames[i]));
        value->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("0000")));
        ratingLabels[idx] = value;
        ratings->addWidget(value, i, 4);
    }
    ratings->setColumnStretch(5, 1);
    column->addLayout(ratings);
}

void frmMain::connectPlayerPanel() {
    for (TextBox* box : {txtJersey, txtFirstname, txtLastname, txtFeet, txtInches, txtWeight, txtFGpercent,
                         txtTPTpercent, txtFTpercent}) {
        // Typing replaces the whole text of a box that has just taken the focus.
        connect(box, &TextBox::gotFocus, box, [box] { box->selectAll(); });
        connect(box, &TextBox::lostFocus, this, [this, box] { playerBox_LostFocus(box); });
    }
    for (int i = 0; i < 6; ++i) {
        connect(cmdDecAtt[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdDecAtt_Click(i); });
        connect(cmdIncAtt[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdIncAtt_Click(i); });
    }
}

void frmMain::fillPlayerPanel() {
    clsPlayer* p = selectedPlayerRef();
    if (p == nullptr) return;
    txtFirstname->setText(UiText::fromRom(p->getFirst()));
    txtLastname->setText(UiText::fromRom(p->getLast()));
    txtJersey->setText(UiText::padded(p->getJersey(), 2));
    txtFeet->setText(QString::number(p->getFeet()));
    txtInches->setText(QString::number(p->getInch()));
    txtWeight->setText(QString::number(p->getWeight()));
    // A position code beyond the five entries shows no entry.
    cmbPosition->setCurrentIndex(p->getPosition() < cmbPosition->count() ? p->getPosition() : -1);
    txtFGpercent->setText(UiText::padded(p->getFGpercent(), 3));
    txtFTpercent->setText(UiText::padded(p->getFTpercent(), 3));
    txtTPTpercent->setText(UiText::padded(p->get3PTpercent(), 3));
    drawRatings();
    updateSpaceStatus();
}

void frmMain::enablePlayerPanel(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{txtJersey, txtFirstname, txtLastname, txtFeet, txtInches,
                                                      txtWeight, cmbPosition, txtFGpercent, txtTPTpercent,
                                                      txtFTpercent})
        w->setEnabled(enabled);
    for (std::size_t i = 0; i < 6; ++i) {
        cmdDecAtt[i]->setEnabled(enabled);
        cmdIncAtt[i]->setEnabled(enabled);
    }
}

void frmMain::storePlayerFields() {
    clsPlayer* p = selectedPlayerRef();
    if (p == nullptr) return;
    p->setFirst(UiText::toRom(txtFirstname->text()));
    p->setLast(UiText::toRom(txtLastname->text()));
    // Values the fields cannot hold (a minus sign, too many digits) are brought into range.
    p->setJersey(static_cast<std::uint8_t>(rounded(txtJersey, 0, kJerseyMax)));
    p->setFeet(static_cast<std::uint8_t>(rounded(txtFeet, 0, kFeetMax)));
    p->setInch(static_cast<std::uint8_t>(rounded(txtInches, 0, kInchesStoredMax)));
    p->setWeight(static_cast<std::int16_t>(rounded(txtWeight, 0, kWeightMax)));
    // With no entry shown (a code beyond the list) the record keeps its code.
    if (cmbPosition->currentIndex() >= 0) p->setPosition(static_cast<std::uint8_t>(cmbPosition->currentIndex()));
    p->setFTpercent(static_cast<std::int16_t>(rounded(txtFTpercent, 0, kPercentMax)));
    p->setFGpercent(static_cast<std::int16_t>(rounded(txtFGpercent, 0, kPercentMax)));
    p->set3PTpercent(static_cast<std::int16_t>(rounded(txtTPTpercent, 0, kPercentMax)));
    updateSpaceStatus();
}

void frmMain::playerBox_LostFocus(TextBox* box) {
    if (box == txtJersey) {
        box->setText(UiText::padded(rounded(box, 0, kJerseyMax), 2));
        storePlayerFields();
        updatePlayerNodeText();
    } else if (box == txtFirstname || box == txtLastname) {
        box->setText(box->text().toUpper());
        storePlayerFields();
        updatePlayerNodeText();
    } else if (box == txtFeet) {
        box->setText(QString::number(rounded(box, 0, kFeetMax)));
    } else if (box == txtInches) {
        box->setText(QString::number(rounded(box, 0, kInchesShownMax)));
    } else if (box == txtWeight) {
        box->setText(QString::number(cutToFour(rounded(box, 0, kWeightMax))));
    } else if (box == txtFGpercent || box == txtFTpercent || box == txtTPTpercent) {
        box->setText(UiText::padded(cutToFour(rounded(box, 0, kPercentMax)), 3));
    }
}

void frmMain::updatePlayerNodeText() {
    setPlayerNodeText(selectedTeam, selectedPlayer,
                      (QStringLiteral("00") + txtJersey->text()).right(2) + QLatin1Char('-') + txtFirstname->text() +
                          QLatin1Char(' ') + txtLastname->text());
}

void frmMain::drawRatings() {
    clsPlayer* p = selectedPlayerRef();
    if (p == nullptr) return;
    const std::array<int, 6> values = {p->getConvRunSpeed(), p->getConvJump(),       p->getConvSteal(),
                                       p->getConvBlock(),    p->getConvShotRange(), p->getConvStamina()};
    for (std::size_t i = 0; i < 6; ++i) {
        PictureBox* bar = ratingBars[i];
        bar->clear();
        int v = std::clamp(values[i], 0, kBarWidth);
        if (v > 0) {
            QPainter painter(&bar->image());
            painter.fillRect(0, 0, v, kBarHeight, kBarColour);
        }
        bar->update();
    }
    for (std::size_t i = 0; i < 6; ++i) ratingLabels[i]->setText(QString::number(values[i]));
}

void frmMain::cmdDecAtt_Click(int index) {
    clsPlayer* p = selectedPlayerRef();
    if (p == nullptr || index < 0 || index > 5) return;
    switch (index) {
        case 0: p->decRS(); break;
        case 1: p->decJump(); break;
        case 2: p->decSteal(); break;
        case 3: p->decBlock(); break;
        case 4: p->decSR(); break;
        default: p->decStam(); break;
    }
    drawRatings();
}

void frmMain::cmdIncAtt_Click(int index) {
    clsPlayer* p = selectedPlayerRef();
    if (p == nullptr || index < 0 || index > 5) return;
    switch (index) {
        case 0: p->incRS(); break;
        case 1: p->incJump(); break;
        case 2: p->incSteal(); break;
        case 3: p->incBlock(); break;
        case 4: p->incSR(); break;
        default: p->incStam(); break;
    }
    drawRatings();
}

#include "ui/PlayerEditorPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/PlayerBoxes.h"
#include "model/Rating.h"
#include "session/Session.h"
#include "ui/EditLabels.h"
#include "ui/EditorSelection.h"
#include "ui/PictureBox.h"
#include "ui/TextBox.h"
#include "ui/UiText.h"

namespace {

const QColor kBarColour(0, 0, 128);
constexpr int kBarWidth = 106;
constexpr int kBarHeight = 10;

// The controls of the rating rows, in attribute order.
constexpr std::array<const char*, Rating::Count> kBarNames = {"picRS",    "picJump", "picSteal",
                                                              "picBlock", "picSR",   "picStanima"};
constexpr std::array<const char*, Rating::Count> kValueNames = {"lblRunSpeed", "lblJump",      "lblSteal",
                                                                "lblBlock",    "lblShotRange", "lblStam"};

using PlayerBoxes::Box;

QString shownText(Box box, long long value) { return UiText::fromRom(PlayerBoxes::shown(box, value)); }

template <typename T>
T stored(Box box, const TextBox* text) {
    return static_cast<T>(PlayerBoxes::storedFromText(box, UiText::toRom(text->text())));
}

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

PlayerEditorPanel::PlayerEditorPanel(Session& session, const EditorSelection& selection, QWidget* parent)
    : QGroupBox(QStringLiteral("Player Editor"), parent), session_(session), selection_(selection) {
    setObjectName(QStringLiteral("framePlayerEdit"));
    build();
    connectControls();
}

void PlayerEditorPanel::build() {
    const QFontMetrics fm(font());
    const int narrow = fm.horizontalAdvance(QStringLiteral("0000")) + 14;
    const int small = fm.horizontalAdvance(QStringLiteral("000")) + 12;

    auto* column = new QVBoxLayout(this);
    column->setSpacing(6);

    // Jersey - first name, last name.
    auto* nameRow = new QHBoxLayout();
    ui_.txtJersey = makeBox(QStringLiteral("txtJersey"), QStringLiteral("00"), 2, true, narrow, this);
    ui_.txtFirstname = makeBox(QStringLiteral("txtFirstname"), QStringLiteral("FIRST"), 12, false, 0, this);
    ui_.txtLastname = makeBox(QStringLiteral("txtLastname"), QStringLiteral("LAST"), 12, false, 0, this);
    ui_.txtFirstname->acceptPrintableAsciiOnly();
    ui_.txtLastname->acceptPrintableAsciiOnly();
    nameRow->addWidget(ui_.txtJersey);
    nameRow->addWidget(fixedLabel(QStringLiteral("-"), this));
    nameRow->addWidget(ui_.txtFirstname, 1);
    nameRow->addWidget(ui_.txtLastname, 1);
    column->addLayout(nameRow);

    // Height, weight, position.
    auto* bodyRow = new QHBoxLayout();
    ui_.txtFeet = makeBox(QStringLiteral("txtFeet"), QStringLiteral("0"), 1, true, small, this);
    ui_.txtInches = makeBox(QStringLiteral("txtInches"), QStringLiteral("00"), 2, true, small, this);
    ui_.txtWeight = makeBox(QStringLiteral("txtWeight"), QStringLiteral("000"), 3, true, narrow, this);
    ui_.cmbPosition = new QComboBox(this);
    ui_.cmbPosition->setObjectName(QStringLiteral("cmbPosition"));
    for (const char* name : Position::kNames) ui_.cmbPosition->addItem(QString::fromLatin1(name));
    bodyRow->addWidget(fixedLabel(QStringLiteral("Height"), this));
    bodyRow->addWidget(ui_.txtFeet);
    bodyRow->addWidget(fixedLabel(QStringLiteral("ft"), this));
    bodyRow->addWidget(ui_.txtInches);
    bodyRow->addWidget(fixedLabel(QStringLiteral("in"), this));
    bodyRow->addSpacing(10);
    bodyRow->addWidget(fixedLabel(QStringLiteral("Weight"), this));
    bodyRow->addWidget(ui_.txtWeight);
    bodyRow->addSpacing(10);
    bodyRow->addWidget(fixedLabel(QStringLiteral("Pos"), this));
    bodyRow->addWidget(ui_.cmbPosition, 1);
    column->addLayout(bodyRow);

    // Shooting percentages: field goal, three-point, free throw; 452 reads as 0.452.
    auto* pct = new QGridLayout();
    pct->setHorizontalSpacing(2);
    ui_.txtFGpercent = makeBox(QStringLiteral("txtFGpercent"), QStringLiteral("000"), 3, true, narrow, this);
    ui_.txtTPTpercent = makeBox(QStringLiteral("txtTPTpercent"), QStringLiteral("000"), 3, true, narrow, this);
    ui_.txtFTpercent = makeBox(QStringLiteral("txtFTpercent"), QStringLiteral("000"), 3, true, narrow, this);
    const std::array<std::pair<const char*, TextBox*>, 3> shots = {
        {{"FG%", ui_.txtFGpercent}, {"3PT%", ui_.txtTPTpercent}, {"FT%", ui_.txtFTpercent}}};
    for (int i = 0; i < 3; ++i) {
        auto* head = new QLabel(QString::fromLatin1(shots[static_cast<std::size_t>(i)].first), this);
        head->setAlignment(Qt::AlignCenter);
        pct->addWidget(head, 0, 3 * i + 1);
        pct->addWidget(fixedLabel(QStringLiteral("0."), this), 1, 3 * i);
        pct->addWidget(shots[static_cast<std::size_t>(i)].second, 1, 3 * i + 1);
        pct->setColumnMinimumWidth(3 * i + 2, 14);
    }
    pct->setColumnStretch(9, 1);
    column->addLayout(pct);

    column->addLayout(buildRatingRows(fm));
}

// One row a rating: name, bar, "-", "+", value.
QGridLayout* PlayerEditorPanel::buildRatingRows(const QFontMetrics& fm) {
    auto* rows = new QGridLayout();
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(2);
    const int buttonSide = fm.height() + 6;
    for (int i = 0; i < Rating::Count; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        rows->addWidget(new QLabel(QString::fromLatin1(kRatings[idx].rowName), this), i, 0);
        auto* bar = new PictureBox(QString::fromLatin1(kBarNames[idx]), kBarWidth, kBarHeight, this);
        bar->setBackground(Qt::white);
        bar->clear();
        ui_.ratingBars[idx] = bar;
        rows->addWidget(bar, i, 1, Qt::AlignVCenter);
        auto* dec = new QPushButton(QStringLiteral("-"), this);
        dec->setObjectName(QStringLiteral("cmdDecAtt_%1").arg(i));
        dec->setFixedSize(buttonSide, buttonSide);
        ui_.cmdDecAtt[idx] = dec;
        rows->addWidget(dec, i, 2);
        auto* inc = new QPushButton(QStringLiteral("+"), this);
        inc->setObjectName(QStringLiteral("cmdIncAtt_%1").arg(i));
        inc->setFixedSize(buttonSide, buttonSide);
        ui_.cmdIncAtt[idx] = inc;
        rows->addWidget(inc, i, 3);
        auto* value = new QLabel(QStringLiteral("0"), this);
        value->setObjectName(QString::fromLatin1(kValueNames[idx]));
        value->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("0000")));
        ui_.ratingValues[idx] = value;
        rows->addWidget(value, i, 4);
    }
    rows->setColumnStretch(5, 1);
    return rows;
}

void PlayerEditorPanel::connectControls() {
    for (TextBox* box : {ui_.txtJersey, ui_.txtFirstname, ui_.txtLastname, ui_.txtFeet, ui_.txtInches, ui_.txtWeight,
                         ui_.txtFGpercent, ui_.txtTPTpercent, ui_.txtFTpercent}) {
        // Typing replaces the whole text of a box that has just taken the focus.
        box->selectAllOnFocus();
        connect(box, &TextBox::lostFocus, this, [this, box] { boxLeft(box); });
    }
    for (int i = 0; i < Rating::Count; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        connect(ui_.cmdDecAtt[idx], &QPushButton::clicked, this, [this, i] { step(i, false); });
        connect(ui_.cmdIncAtt[idx], &QPushButton::clicked, this, [this, i] { step(i, true); });
    }
}

const clsPlayer* PlayerEditorPanel::player() const { return selection_.playerOf(session_.league()); }

void PlayerEditorPanel::editPlayer(const char* label, const std::function<void(clsPlayer&)>& change) {
    const EditorSelection at = selection_;
    session_.edit(label, at.playerTarget(), [&](clsProject& league) {
        if (clsPlayer* p = at.playerOf(league)) change(*p);
    });
}

void PlayerEditorPanel::fill() {
    const clsPlayer* p = player();
    if (p == nullptr) return;
    ui_.txtFirstname->setText(UiText::fromRom(p->getFirst()));
    ui_.txtLastname->setText(UiText::fromRom(p->getLast()));
    ui_.txtJersey->setText(shownText(Box::Jersey, p->getJersey()));
    ui_.txtFeet->setText(shownText(Box::Feet, p->getFeet()));
    ui_.txtInches->setText(shownText(Box::Inches, p->getInch()));
    ui_.txtWeight->setText(shownText(Box::Weight, p->getWeight()));
    // A position code beyond the five entries shows no entry.
    ui_.cmbPosition->setCurrentIndex(p->getPosition() < ui_.cmbPosition->count() ? p->getPosition() : -1);
    ui_.txtFGpercent->setText(shownText(Box::FieldGoals, p->getFGpercent()));
    ui_.txtFTpercent->setText(shownText(Box::FreeThrows, p->getFTpercent()));
    ui_.txtTPTpercent->setText(shownText(Box::ThreePointers, p->get3PTpercent()));
    drawRatings();
}

void PlayerEditorPanel::setEditable(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.txtJersey, ui_.txtFirstname, ui_.txtLastname, ui_.txtFeet,
                                                      ui_.txtInches, ui_.txtWeight, ui_.cmbPosition, ui_.txtFGpercent,
                                                      ui_.txtTPTpercent, ui_.txtFTpercent})
        w->setEnabled(enabled);
    for (std::size_t i = 0; i < ui_.cmdDecAtt.size(); ++i) {
        ui_.cmdDecAtt[i]->setEnabled(enabled);
        ui_.cmdIncAtt[i]->setEnabled(enabled);
    }
}

void PlayerEditorPanel::store() {
    if (player() == nullptr) return;
    // Read before the first store: the league's observers run between the stores. Values
    // the fields cannot hold (a minus sign, too many digits) are brought into range.
    const std::string first = UiText::toRom(ui_.txtFirstname->text());
    const std::string last = UiText::toRom(ui_.txtLastname->text());
    const auto jersey = stored<std::uint8_t>(Box::Jersey, ui_.txtJersey);
    const auto feet = stored<std::uint8_t>(Box::Feet, ui_.txtFeet);
    const auto inches = stored<std::uint8_t>(Box::Inches, ui_.txtInches);
    const auto weight = stored<std::int16_t>(Box::Weight, ui_.txtWeight);
    const int position = ui_.cmbPosition->currentIndex();
    const auto ft = stored<std::int16_t>(Box::FreeThrows, ui_.txtFTpercent);
    const auto fg = stored<std::int16_t>(Box::FieldGoals, ui_.txtFGpercent);
    const auto tp = stored<std::int16_t>(Box::ThreePointers, ui_.txtTPTpercent);

    editPlayer(EditLabels::kFirstName, [&](clsPlayer& p) { p.setFirst(first); });
    editPlayer(EditLabels::kLastName, [&](clsPlayer& p) { p.setLast(last); });
    editPlayer(EditLabels::kJersey, [&](clsPlayer& p) { p.setJersey(jersey); });
    editPlayer(EditLabels::kHeight, [&](clsPlayer& p) {
        p.setFeet(feet);
        p.setInch(inches);
    });
    editPlayer(EditLabels::kWeight, [&](clsPlayer& p) { p.setWeight(weight); });
    // With no entry shown (a code beyond the list) the record keeps its code.
    if (position >= 0)
        editPlayer(EditLabels::kPosition, [&](clsPlayer& p) { p.setPosition(static_cast<std::uint8_t>(position)); });
    editPlayer(EditLabels::kPercentages, [&](clsPlayer& p) {
        p.setFTpercent(ft);
        p.setFGpercent(fg);
        p.set3PTpercent(tp);
    });
}

// A box left: its text tidied; the jersey and the names are stored at once.
void PlayerEditorPanel::boxLeft(TextBox* box) {
    if (box == ui_.txtFirstname || box == ui_.txtLastname) {
        box->setText(box->text().toUpper());
        store();
        return;
    }
    for (const auto& [number, numberBox] : numberBoxes()) {
        if (numberBox != box) continue;
        box->setText(UiText::fromRom(PlayerBoxes::tidied(number, UiText::toRom(box->text()))));
        if (number == Box::Jersey) store();
    }
}

std::array<std::pair<PlayerBoxes::Box, TextBox*>, 7> PlayerEditorPanel::numberBoxes() const {
    return {{{Box::Jersey, ui_.txtJersey},
             {Box::Feet, ui_.txtFeet},
             {Box::Inches, ui_.txtInches},
             {Box::Weight, ui_.txtWeight},
             {Box::FieldGoals, ui_.txtFGpercent},
             {Box::ThreePointers, ui_.txtTPTpercent},
             {Box::FreeThrows, ui_.txtFTpercent}}};
}

void PlayerEditorPanel::drawRatings() {
    const clsPlayer* p = player();
    if (p == nullptr) return;
    for (std::size_t i = 0; i < kRatings.size(); ++i) {
        PictureBox* bar = ui_.ratingBars[i];
        bar->clear();
        const int v = std::clamp(kRatings[i].value(*p), 0, kBarWidth);
        if (v > 0) {
            QPainter painter(&bar->image());
            painter.fillRect(0, 0, v, kBarHeight, kBarColour);
        }
        bar->update();
    }
    for (std::size_t i = 0; i < kRatings.size(); ++i)
        ui_.ratingValues[i]->setText(QString::number(kRatings[i].value(*p)));
}

void PlayerEditorPanel::step(int row, bool up) {
    const Rating* rating = Rating::at(row);
    if (rating == nullptr || player() == nullptr) return;
    editPlayer(EditLabels::kRating, [rating, up](clsPlayer& p) {
        if (up) {
            rating->stepUp(p);
        } else {
            rating->stepDown(p);
        }
    });
    drawRatings();
}

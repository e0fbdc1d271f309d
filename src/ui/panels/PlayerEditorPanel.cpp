#include "ui/panels/PlayerEditorPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "model/PlayerBoxes.h"
#include "model/Rating.h"
#include "session/Session.h"
#include "ui/panels/EditorSelection.h"
#include "ui/panels/SessionSignals.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextBox.h"
#include "ui/widgets/UiText.h"

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

// The value a box stores when the user changed its text; none when it shows what the last
// refresh put there.
template <typename T>
std::optional<T> edited(Box box, const TextBox* text) {
    if (!text->changed()) return std::nullopt;
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

PlayerEditorPanel::PlayerEditorPanel(Session& session, const EditorSelection& selection, SessionSignals& events,
                                     QWidget* parent)
    : QGroupBox(QStringLiteral("Player Editor"), parent), session_(session), selection_(selection) {
    setObjectName(QStringLiteral("framePlayerEdit"));
    build();
    connectControls();
    connect(&events, &SessionSignals::heard, this, &PlayerEditorPanel::showChange);
}

void PlayerEditorPanel::showChange(const LeagueEvent& event) {
    // Any player's ratings may move the ranks of the one shown: they are made once a change.
    if (event.nature == LeagueEvent::Nature::Replaced || event.change.touches(LeagueChange::kPlayerKinds)) {
        ranks_ = RatingRanks(session_.league());
        showRanks();
    }
    if (storing_ || event.nature == LeagueEvent::Nature::Saved) return;
    if (event.nature == LeagueEvent::Nature::Replaced) {
        fill();
        setEditable(true);
    } else if (event.change.touchesPlayer(selection_.place())) {
        fill();
    }
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
    ui_.txtWeight = makeBox(QStringLiteral("txtWeight"), QStringLiteral("000"), 4, true, narrow, this);
    ui_.cmbPosition = new QComboBox(this);
    ui_.cmbPosition->setObjectName(QStringLiteral("cmbPosition"));
    QStringList positions;
    for (const char* name : Position::kNames) positions << QString::fromLatin1(name);
    ui_.cmbPosition->addItems(positions);
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
    ui_.txtFGpercent = makeBox(QStringLiteral("txtFGpercent"), QStringLiteral("000"), 4, true, narrow, this);
    ui_.txtTPTpercent = makeBox(QStringLiteral("txtTPTpercent"), QStringLiteral("000"), 4, true, narrow, this);
    ui_.txtFTpercent = makeBox(QStringLiteral("txtFTpercent"), QStringLiteral("000"), 4, true, narrow, this);
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
        // The value and its rank have a size no text changes, centred in their row as a label
        // of the row's height draws its line: a label sized by its text would have the editor,
        // and the window around it, laid out anew at each player shown.
        auto* value = new QLabel(QStringLiteral("0"), this);
        value->setObjectName(QString::fromLatin1(kValueNames[idx]));
        const int lineHeight = value->sizeHint().height();
        value->setFixedSize(fm.horizontalAdvance(QStringLiteral("0000")), lineHeight);
        ui_.ratingValues[idx] = value;
        rows->addWidget(value, i, 4, Qt::AlignVCenter);
        auto* rank = new QLabel(this);
        rank->setObjectName(QString::fromLatin1(kValueNames[idx]).insert(3, QStringLiteral("Rank")));
        rank->setFixedSize(fm.horizontalAdvance(QStringLiteral("0000th of 0000")), lineHeight);
        ui_.ratingRanks[idx] = rank;
        rows->addWidget(rank, i, 5, Qt::AlignVCenter);
    }
    // The room left goes beyond the ranks.
    rows->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 6);
    rows->setColumnStretch(6, 1);
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
    const QScopedValueRollback<bool> own(storing_, true);
    session_.edit(label, LeagueChange::ofPlayer(at.place()), [&](clsProject& league) {
        if (clsPlayer* p = at.playerOf(league)) change(*p);
    });
}

void PlayerEditorPanel::fill() {
    const clsPlayer* p = player();
    if (p == nullptr) return;
    ui_.txtFirstname->showStored(UiText::fromRom(p->getFirst()));
    ui_.txtLastname->showStored(UiText::fromRom(p->getLast()));
    const std::array<std::int64_t, 7> values = {p->getJersey(),    p->getFeet(),       p->getInch(),     p->getWeight(),
                                                p->getFGpercent(), p->get3PTpercent(), p->getFTpercent()};
    const auto boxes = numberBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i].second->showStored(UiText::fromRom(PlayerBoxes::shown(boxes[i].first, values[i])));
    // A position code beyond the five entries shows no entry.
    ui_.cmbPosition->setCurrentIndex(p->getPosition() < ui_.cmbPosition->count() ? p->getPosition() : -1);
    shownPosition_ = ui_.cmbPosition->currentIndex();
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

// Only what the user changed since the last refresh is written, so that showing a player
// never changes him.
void PlayerEditorPanel::store() {
    if (player() == nullptr) return;
    // Read before the first store: the league's observers run between the stores. Values
    // the fields cannot hold (a minus sign, too many digits) are brought into range.
    const auto name = [](const TextBox* box) {
        return box->changed() ? std::optional(UiText::toRom(box->text())) : std::nullopt;
    };
    const auto first = name(ui_.txtFirstname);
    const auto last = name(ui_.txtLastname);
    const auto jersey = edited<std::uint8_t>(Box::Jersey, ui_.txtJersey);
    const auto feet = edited<std::uint8_t>(Box::Feet, ui_.txtFeet);
    const auto inches = edited<std::uint8_t>(Box::Inches, ui_.txtInches);
    const auto weight = edited<std::int16_t>(Box::Weight, ui_.txtWeight);
    const int position = ui_.cmbPosition->currentIndex();
    const auto ft = edited<std::int16_t>(Box::FreeThrows, ui_.txtFTpercent);
    const auto fg = edited<std::int16_t>(Box::FieldGoals, ui_.txtFGpercent);
    const auto tp = edited<std::int16_t>(Box::ThreePointers, ui_.txtTPTpercent);
    for (TextBox* box : {ui_.txtFirstname, ui_.txtLastname}) box->keepAsStored();
    for (const auto& [number, box] : numberBoxes()) box->keepAsStored();
    const bool positionChosen = position != shownPosition_;
    shownPosition_ = position;

    if (first) editPlayer("First Name", [&](clsPlayer& p) { p.setFirst(*first); });
    if (last) editPlayer("Last Name", [&](clsPlayer& p) { p.setLast(*last); });
    if (jersey) editPlayer("Jersey", [&](clsPlayer& p) { p.setJersey(*jersey); });
    if (feet || inches)
        editPlayer("Height", [&](clsPlayer& p) {
            if (feet) p.setFeet(*feet);
            if (inches) p.setInch(*inches);
        });
    if (weight) editPlayer("Weight", [&](clsPlayer& p) { p.setWeight(*weight); });
    // With no entry shown (a code beyond the list) the record keeps its code.
    if (positionChosen && position >= 0)
        editPlayer("Position", [&](clsPlayer& p) { p.setPosition(static_cast<std::uint8_t>(position)); });
    if (ft || fg || tp)
        editPlayer("Percentages", [&](clsPlayer& p) {
            if (ft) p.setFTpercent(*ft);
            if (fg) p.setFGpercent(*fg);
            if (tp) p.set3PTpercent(*tp);
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
        const int v = std::clamp(kRatings[i].value(*p), 0, kBarWidth);
        if (v == barShown_[i]) continue;
        barShown_[i] = v;
        bar->clear();
        if (v > 0) {
            QPainter painter(&bar->image());
            painter.fillRect(0, 0, v, kBarHeight, kBarColour);
        }
        bar->update();
    }
    for (std::size_t i = 0; i < kRatings.size(); ++i)
        ui_.ratingValues[i]->setText(QString::number(kRatings[i].value(*p)));
    showRanks();
}

void PlayerEditorPanel::showRanks() {
    const clsPlayer* p = player();
    if (p == nullptr || ranks_.players() == 0) return;
    for (std::size_t i = 0; i < kRatings.size(); ++i)
        ui_.ratingRanks[i]->setText(
            QString::fromStdString(rankText(ranks_.rank(static_cast<Rating::Index>(i), *p), ranks_.players())));
}

void PlayerEditorPanel::step(int row, bool up) {
    const Rating* rating = Rating::at(row);
    if (rating == nullptr || player() == nullptr) return;
    editPlayer("Rating", [rating, up](clsPlayer& p) {
        if (up) {
            rating->stepUp(p);
        } else {
            rating->stepDown(p);
        }
    });
    drawRatings();
}

#include "ui/windows/BulkEditDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "session/Session.h"
#include "ui/widgets/OkCancelRow.h"
#include "ui/widgets/UiText.h"

namespace {

// The changes a row offers, in its list's order; the position's list only the first two.
constexpr std::array<BulkEdit::Op, 4> kOps = {BulkEdit::Op::Keep, BulkEdit::Op::Set, BulkEdit::Op::Add,
                                              BulkEdit::Op::Subtract};
constexpr std::array<const char*, 4> kOpNames = {"Keep", "Set to", "Add", "Subtract"};

// The rows' fields as the player editor names them, in its order.
struct FieldRow {
    int field;
    const char* name;  // null: the rating's row name
};
constexpr std::array<FieldRow, 12> kRows = {{{PlayerField::Rspeed, nullptr},
                                             {PlayerField::Jump, nullptr},
                                             {PlayerField::Steal, nullptr},
                                             {PlayerField::Block, nullptr},
                                             {PlayerField::Shoot, nullptr},
                                             {PlayerField::Stam, nullptr},
                                             {PlayerField::Fg, "FG%"},
                                             {PlayerField::Threept, "3PT%"},
                                             {PlayerField::Ft, "FT%"},
                                             {BulkEdit::kHeight, "Height (inches)"},
                                             {PlayerField::Weight, "Weight"},
                                             {PlayerField::Pos, "Position"}}};

QString fieldName(int field) {
    for (const FieldRow& row : kRows)
        if (row.field == field)
            return QString::fromLatin1(row.name != nullptr ? row.name : kRatings[kPlayerFields[field].rating].rowName);
    return UiText::fromRom(std::string(BulkEdit::key(field)));
}

}  // namespace

BulkEditDialog::BulkEditDialog(Session& session, std::vector<Trade::Place> places, QWidget* parent)
    : QDialog(parent), session_(session), places_(std::move(places)) {
    setObjectName(QStringLiteral("dlgBulkEdit"));
    setWindowTitle(QStringLiteral("Edit Selected Players"));
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    column->addLayout(grid);
    for (const FieldRow& row : kRows)
        addRow(row.field, row.name != nullptr ? QString::fromLatin1(row.name) : fieldName(row.field));

    tblPreview = new QTableWidget(0, 5, this);
    tblPreview->setObjectName(QStringLiteral("tblPreview"));
    tblPreview->setHorizontalHeaderLabels(
        {QStringLiteral("Player"), QStringLiteral("Field"), QStringLiteral("Old"), QStringLiteral("New"), QString()});
    tblPreview->verticalHeader()->hide();
    tblPreview->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblPreview->setWordWrap(false);
    tblPreview->setColumnWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("26.11 00-WWWWWW WWWWWWWWW")));
    tblPreview->setColumnWidth(1, fontMetrics().horizontalAdvance(QStringLiteral("Shooting RangeWW")));
    for (int c : {2, 3}) tblPreview->setColumnWidth(c, fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->horizontalHeader()->setStretchLastSection(true);
    tblPreview->setMinimumSize(560, 220);
    column->addWidget(tblPreview, 1);
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    column->addWidget(lblSummary);

    const OkCancelRow buttons(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    column->addLayout(buttons.layout);
    connect(cmdOK, &QPushButton::clicked, this, &BulkEditDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    preview();
}

void BulkEditDialog::addRow(int field, const QString& name) {
    auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
    const int at = static_cast<int>(rows.size());
    const QString key = UiText::fromRom(std::string(BulkEdit::key(field)));
    Row row{field};
    auto* label = new QLabel(name, this);
    row.cmbChange = new QComboBox(this);
    row.cmbChange->setObjectName(QStringLiteral("cmbChange_") + key);
    for (std::size_t op = 0; op < (field == PlayerField::Pos ? 2 : kOps.size()); ++op)
        row.cmbChange->addItem(QString::fromLatin1(kOpNames[op]));
    label->setBuddy(row.cmbChange);
    QWidget* amount = nullptr;
    if (field == PlayerField::Pos) {
        row.cmbAmount = new QComboBox(this);
        row.cmbAmount->setObjectName(QStringLiteral("cmbAmount_pos"));
        for (const char* position : Position::kNames) row.cmbAmount->addItem(QString::fromLatin1(position));
        connect(row.cmbAmount, &QComboBox::currentIndexChanged, this, &BulkEditDialog::preview);
        amount = row.cmbAmount;
    } else {
        row.txtAmount = new QLineEdit(this);
        row.txtAmount->setObjectName(QStringLiteral("txtAmount_") + key);
        row.txtAmount->setValidator(new QIntValidator(0, 9999, row.txtAmount));
        row.txtAmount->setMaximumWidth(70);
        connect(row.txtAmount, &QLineEdit::textChanged, this, &BulkEditDialog::preview);
        amount = row.txtAmount;
    }
    amount->setEnabled(false);
    connect(row.cmbChange, &QComboBox::currentIndexChanged, this, [this, amount](int op) {
        amount->setEnabled(op > 0);
        preview();
    });
    grid->addWidget(label, at, 0);
    grid->addWidget(row.cmbChange, at, 1);
    grid->addWidget(amount, at, 2);
    rows.push_back(row);
}

// Each row as "jump=+2" would read on the command line, read by the same rules.
std::vector<BulkEdit::FieldChange> BulkEditDialog::changes(QString& fault) const {
    std::vector<BulkEdit::FieldChange> out;
    for (const Row& row : rows) {
        const BulkEdit::Op op = kOps[static_cast<std::size_t>(std::max(0, row.cmbChange->currentIndex()))];
        if (op == BulkEdit::Op::Keep) continue;
        const QString sign = op == BulkEdit::Op::Add        ? QStringLiteral("+")
                             : op == BulkEdit::Op::Subtract ? QStringLiteral("-")
                                                            : QString();
        const QString amount =
            row.cmbAmount != nullptr ? QString::number(row.cmbAmount->currentIndex()) : row.txtAmount->text();
        std::string why;
        const std::optional<BulkEdit::FieldChange> change =
            BulkEdit::parse(std::string(BulkEdit::key(row.field)) + "=" + UiText::toRom(sign + amount.trimmed()), why);
        if (!change) {
            fault = fieldName(row.field) + QStringLiteral(": ") + UiText::fromRom(why);
            return {};
        }
        out.push_back(*change);
    }
    return out;
}

void BulkEditDialog::preview() {
    QString fault;
    const std::vector<BulkEdit::FieldChange> asked = changes(fault);
    clsProject league = session_.league();
    const std::vector<BulkEdit::Entry> entries = BulkEdit::applyAll(league, places_, asked);
    tblPreview->setUpdatesEnabled(false);
    tblPreview->setRowCount(static_cast<int>(entries.size()));
    int changed = 0, held = 0, r = 0;
    for (const BulkEdit::Entry& e : entries) {
        const clsPlayer& player = *session_.league().getTeamRef(e.place.team)->getPlayerRef(e.place.slot);
        const QStringList cells = {
            QStringLiteral("%1.%2 ").arg(e.place.team).arg(e.place.slot) + UiText::playerText(player),
            fieldName(e.field), QString::number(e.before), QString::number(e.after),
            e.clamped ? QStringLiteral("held back") : QString()};
        for (int c = 0; c < cells.size(); ++c) {
            QTableWidgetItem* item = tblPreview->item(r, c);
            if (item == nullptr) tblPreview->setItem(r, c, item = new QTableWidgetItem);
            item->setText(cells[c]);
        }
        changed += e.before != e.after ? 1 : 0;
        held += e.clamped ? 1 : 0;
        ++r;
    }
    tblPreview->setUpdatesEnabled(true);
    const QString players =
        QStringLiteral("%1 player%2").arg(places_.size()).arg(places_.size() == 1 ? QString() : QStringLiteral("s"));
    if (!fault.isEmpty())
        lblSummary->setText(fault);
    else if (asked.empty())
        lblSummary->setText(players + QStringLiteral(": choose a change"));
    else
        lblSummary->setText(
            QStringLiteral("%1: %2 values change; %3 held back by a limit").arg(players).arg(changed).arg(held));
    cmdOK->setEnabled(fault.isEmpty() && !asked.empty());
}

void BulkEditDialog::accept() {
    QString fault;
    const std::vector<BulkEdit::FieldChange> asked = changes(fault);
    if (!fault.isEmpty() || asked.empty()) return;
    session_.edit(BulkEdit::label(places_.size()), LeagueChange::ofPlayers(places_),
                  [&](clsProject& league) { BulkEdit::applyAll(league, places_, asked); });
    QDialog::accept();
}

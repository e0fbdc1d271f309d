#include "ui/windows/frmOverview.h"

#include <QBuffer>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "graphics/modGraphics.h"
#include "interchange/TeamFiguresCsv.h"
#include "model/Rating.h"
#include "session/Session.h"
#include "ui/commands/SaveDialog.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/MessageSink.h"
#include "ui/widgets/SpreadChart.h"
#include "ui/widgets/StrengthChart.h"
#include "ui/widgets/SwatchLabel.h"
#include "ui/widgets/UiText.h"

const QColor frmOverview::kUnsetColour(160, 160, 164);

namespace {

const QString kCsvFilter = QStringLiteral("CSV Table (*.csv)|*.csv|");
const QString kPngFilter = QStringLiteral("PNG Image (*.png)|*.png|");
constexpr int kSortRole = Qt::UserRole;  // a number column's value, for sorting

// A cell whose column sorts by the number it holds where it holds one, else by its text.
class Cell : public QTableWidgetItem {
public:
    explicit Cell(Qt::Alignment alignment) {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setTextAlignment(alignment | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(kSortRole), b = other.data(kSortRole);
        return a.isValid() && b.isValid() ? a.toDouble() < b.toDouble() : text() < other.text();
    }
    void show(const QString& text, const QVariant& key = {}) {
        setText(text);
        setData(kSortRole, key);
    }
};

void showNumber(QTableWidgetItem* cell, const LeagueStats::Fraction& value) {
    static_cast<Cell*>(cell)->show(QString::fromStdString(value.oneDecimal()),
                                   static_cast<double>(value.numerator) / static_cast<double>(value.denominator));
}

QStringList headers() {
    QStringList h = {QStringLiteral("Team"), QStringLiteral("Abbrev"), QStringLiteral("City"),
                     QStringLiteral("Mascot")};
    for (const Rating& r : kRatings) h << QString::fromLatin1(r.reportName);
    h << QStringLiteral("FG") << QStringLiteral("FT") << QStringLiteral("3PT") << QStringLiteral("Height")
      << QStringLiteral("Weight") << QStringLiteral("Strength") << QStringLiteral("Rank");
    return h;
}

}  // namespace

frmOverview::frmOverview(Session& session, MessageSink& messages, FileDialogs& dialogs, const QString& folder,
                         QWidget* parent)
    : QWidget(parent), session_(session), messages_(messages), dialogs_(dialogs), folder_(folder) {
    setObjectName(QStringLiteral("frmOverview"));
    setWindowFlag(Qt::Window, true);
    setWindowTitle(QStringLiteral("League Overview"));
    build();
    observer_ = session_.observe([this](const LeagueEvent& event) { showChange(event); });
}

frmOverview::~frmOverview() { session_.forget(observer_); }

void frmOverview::build() {
    auto* column = new QVBoxLayout(this);
    tblFigures = new QTableWidget(clsProject::kTeams, Columns, this);
    tblFigures->setObjectName(QStringLiteral("tblFigures"));
    tblFigures->setHorizontalHeaderLabels(headers());
    tblFigures->verticalHeader()->hide();
    tblFigures->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblFigures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblFigures->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblFigures->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int t = 0; t < clsProject::kTeams; ++t) {
        for (int c = 0; c < Columns; ++c) {
            auto* cell = new Cell(c == Abbreviation || c == City || c == Mascot ? Qt::AlignLeft : Qt::AlignRight);
            cell->setData(Qt::UserRole + 1, t);
            cells_[static_cast<std::size_t>(t)][static_cast<std::size_t>(c)] = cell;
            tblFigures->setItem(t, c, cell);
        }
        static_cast<Cell*>(cells_[static_cast<std::size_t>(t)][Team])->show(QString::number(t), t);
    }
    tblFigures->setSortingEnabled(true);
    tblFigures->sortByColumn(Rank, Qt::AscendingOrder);
    column->addWidget(tblFigures, 1);
    connect(tblFigures, &QTableWidget::cellClicked, this,
            [this](int row, int) { emit teamChosen(tblFigures->item(row, Team)->data(Qt::UserRole + 1).toInt()); });

    charts_ = new QWidget(this);
    auto* charts = new QHBoxLayout(charts_);
    charts->setContentsMargins(0, 0, 0, 0);
    chtStrength = new StrengthChart(QStringLiteral("chtStrength"), clsProject::kTeams, charts_);
    charts->addWidget(chtStrength, 3);
    auto* spread = new QVBoxLayout();
    auto* choose = new QHBoxLayout();
    cmbRating = new QComboBox(charts_);
    cmbRating->setObjectName(QStringLiteral("cmbRating"));
    for (const Rating& r : kRatings) cmbRating->addItem(QString::fromLatin1(r.reportName));
    auto* caption = new QLabel(QStringLiteral("&Rating:"), charts_);
    caption->setBuddy(cmbRating);
    choose->addWidget(caption);
    choose->addWidget(cmbRating, 1);
    spread->addLayout(choose);
    chtSpread = new SpreadChart(QStringLiteral("chtSpread"), charts_);
    spread->addWidget(chtSpread, 1);
    charts->addLayout(spread, 2);
    column->addWidget(charts_, 1);
    connect(cmbRating, &QComboBox::currentIndexChanged, this, [this] { showSpread(); });

    auto* buttons = new QHBoxLayout();
    cmdExportTable = new QPushButton(QStringLiteral("&Export Table..."), this);
    cmdExportTable->setObjectName(QStringLiteral("cmdExportTable"));
    cmdSaveChart = new QPushButton(QStringLiteral("&Save Chart..."), this);
    cmdSaveChart->setObjectName(QStringLiteral("cmdSaveChart"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(cmdExportTable);
    buttons->addWidget(cmdSaveChart);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    column->addLayout(buttons);
    connect(cmdExportTable, &QPushButton::clicked, this, &frmOverview::exportTable);
    connect(cmdSaveChart, &QPushButton::clicked, this, &frmOverview::saveChart);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    resize(1000, 720);
}

void frmOverview::refresh() {
    for (int t = 0; t < clsProject::kTeams; ++t) showNames(t);
    showFigures(true);
    showSpread();
    tblFigures->resizeColumnsToContents();
}

void frmOverview::showChange(const LeagueEvent& event) {
    if (!isVisible() || event.nature == LeagueEvent::Nature::Saved) return;
    const LeagueChange& change = event.change;
    if (event.nature == LeagueEvent::Nature::Replaced || (change.kinds & LeagueChange::League) != 0) return refresh();
    const bool players = (change.kinds & LeagueChange::kPlayerKinds) != 0;
    if ((change.kinds & LeagueChange::TeamNames) != 0)
        for (const int team : change.teams) showNames(team);
    if (players) {
        showFigures();
        showSpread();
    } else if ((change.kinds & (LeagueChange::TeamNames | LeagueChange::Uniforms)) != 0) {
        showStrength();
    }
}

void frmOverview::showNames(int team) {
    const clsTeam* t = session_.league().getTeamRef(team);
    if (t == nullptr) return;
    auto& row = cells_[static_cast<std::size_t>(team)];
    tblFigures->setSortingEnabled(false);
    static_cast<Cell*>(row[Abbreviation])->show(UiText::fromRom(t->getAbrev()));
    static_cast<Cell*>(row[City])->show(UiText::fromRom(t->getCity()));
    static_cast<Cell*>(row[Mascot])->show(UiText::fromRom(t->getMascot()));
    tblFigures->setSortingEnabled(true);
}

// Only the teams whose sums or rank moved get new texts: an edit of one player shows anew
// one row and the ranks it moved.
void frmOverview::showFigures(bool every) {
    const LeagueStats::Figures now = LeagueStats::compute(session_.league());
    tblFigures->setSortingEnabled(false);
    for (std::size_t t = 0; t < now.teams.size(); ++t) {
        const LeagueStats::TeamFigures& f = now.teams[t];
        auto& row = cells_[t];
        if (every || f.sums != figures_.teams[t].sums) {
            for (int c = 0; c < LeagueStats::Count; ++c)
                showNumber(row[static_cast<std::size_t>(Figures + c)], f.average(static_cast<LeagueStats::Column>(c)));
            showNumber(row[Strength], f.strength());
        }
        if (every || f.rank != figures_.teams[t].rank)
            static_cast<Cell*>(row[Rank])->show(QString::number(f.rank), f.rank);
    }
    tblFigures->setSortingEnabled(true);
    figures_ = now;
    showStrength();
}

void frmOverview::showStrength() {
    const clsProject& league = session_.league();
    std::vector<StrengthChart::Bar> bars;
    for (const int t : figures_.byRank) {
        const clsTeam& team = *league.getTeamRef(t);
        const std::optional<std::uint32_t> rgb = modGraphics::uniformSwatchRgb(team, session_.kind(), 0);
        const LeagueStats::Fraction strength = figures_.teams[static_cast<std::size_t>(t)].strength();
        bars.push_back({UiText::fromRom(team.getAbrev()), rgb ? colorFromRgbValue(*rgb) : kUnsetColour,
                        static_cast<double>(strength.numerator) / static_cast<double>(strength.denominator)});
    }
    chtStrength->showBars(bars);
}

void frmOverview::showSpread() { chtSpread->showRating(session_.league(), cmbRating->currentIndex()); }

void frmOverview::exportTable() {
    const FileChoice choice = SaveDialog::choose(dialogs_, messages_, this, kCsvFilter, folder_);
    if (choice.fileName.isEmpty()) return;
    FileIO::WriteError error;
    if (TeamFiguresCsv::exportTable(session_.league(), LocalPath::toLocal(choice.fileName), error) == Result::Ok)
        messages_.message(this, QStringLiteral("Table exported!"), iconFor(false));
    else
        messages_.message(this, QStringLiteral("Error writing file!"), iconFor(true),
                          LocalPath::fromLocal(error.text()));
}

// Both charts as the window shows them, encoded by Qt's PNG writer and written atomically.
void frmOverview::saveChart() {
    const FileChoice choice = SaveDialog::choose(dialogs_, messages_, this, kPngFilter, folder_);
    if (choice.fileName.isEmpty()) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    FileIO::WriteError error;
    if (charts_->grab().save(&buffer, "PNG") &&
        FileIO::writeFileAtomically(LocalPath::toLocal(choice.fileName), png.constData(),
                                    static_cast<std::size_t>(png.size()), false, error) == Result::Ok)
        messages_.message(this, QStringLiteral("Chart saved!"), iconFor(false));
    else
        messages_.message(this, QStringLiteral("Error writing file!"), iconFor(true),
                          LocalPath::fromLocal(error.text()));
}

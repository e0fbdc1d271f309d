#include "ui/panels/TeamEditorPanel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTimer>
#include <optional>

#include "base/TextNumber.h"
#include "graphics/modGraphics.h"
#include "session/Session.h"
#include "ui/panels/EditorSelection.h"
#include "ui/panels/SessionSignals.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/SwatchLabel.h"
#include "ui/widgets/SwatchSheet.h"
#include "ui/widgets/SwatchStyle.h"
#include "ui/widgets/TextBox.h"
#include "ui/widgets/UiText.h"
#include "ui/windows/frmPaletteTool.h"

using UiText::fromRom;
using UiText::toRom;

namespace {

constexpr int kFigureWidth = 34;
constexpr int kFigureHeight = 98;

TextBox* makeBox(const QString& name, const QString& text, int maxLength, const QRect& geometry, QWidget* parent) {
    auto* box = new TextBox(name, parent);
    box->setMaxLength(maxLength);
    box->setText(text);
    box->setGeometry(geometry);
    return box;
}

// Points as the box shows them after editing: the value in decimal while it lies in
// 0..255, "255" above, "0" below (a byte cannot hold a negative figure).
QString normalisedPoints(const QString& text) {
    double v = TextNumber::value(toRom(text));
    if (v < 0) return QStringLiteral("0");
    if (v > 255) return QStringLiteral("255");
    QString s = QString::number(v, 'f', 12);
    while (s.endsWith(QLatin1Char('0'))) s.chop(1);
    if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    return s;
}

// Rounded half to even and held in a byte; a negative entry stores 0, not a failure.
std::uint8_t pointsByte(const QString& text) {
    return static_cast<std::uint8_t>(TextNumber::roundedClamped(toRom(text), 0, 255));
}

void setBoxText(TextBox* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}

QColor nesSwatchColour(int index) {
    return colorFromRgbValue(modGraphics::nesColorToRGB(static_cast<std::uint8_t>(index), false, 0));
}

// Draws the team's figure into the box's retained image. The box shows only when the whole
// figure was drawn; an image that ends inside the tile data leaves it hidden. The image is
// copied a scan line at a time, and a figure drawn as the box shows it already is not
// painted again.
void drawFigure(PictureBox* box, ConsoleKind kind, const clsTeam& team, int variant, const RomImage& rom) {
    QImage& image = box->image();
    const int width = image.width();
    const int height = image.height();
    PixelImage surface(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            surface.set(x, y,
                        static_cast<std::uint32_t>(qRed(line[x]) | (qGreen(line[x]) << 8) | (qBlue(line[x]) << 16)));
    }
    const PixelImage before = surface;
    const int result = modGraphics::drawPlayerSprite(surface, kind, team, variant, rom);
    if (surface != before) {
        const std::vector<std::uint32_t>& pixels = surface.pixels();
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const std::uint32_t* from = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
            for (int x = 0; x < width; ++x)
                line[x] = qRgb(static_cast<int>(from[x] & 0xFF), static_cast<int>((from[x] >> 8) & 0xFF),
                               static_cast<int>((from[x] >> 16) & 0xFF));
        }
        box->update();
    }
    box->setVisible(result == 0);
}

}  // namespace

TeamEditorPanel::TeamEditorPanel(Session& session, EditorSelection& selection, SessionSignals& events, QWidget* parent)
    : QGroupBox(QStringLiteral("Team Editor"), parent), session_(session), selection_(selection) {
    setObjectName(QStringLiteral("frameTeamEditor"));
    build();
    connectControls();
    connect(&events, &SessionSignals::heard, this, &TeamEditorPanel::showChange);
}

void TeamEditorPanel::showChange(const LeagueEvent& event) {
    if (storing_ || event.nature == LeagueEvent::Nature::Saved) return;
    if (event.nature == LeagueEvent::Nature::Replaced) {
        showPaletteBoxes();
        fill();
        setEditable(true);
        prepareNextPaletteTool();
    } else if (event.change.touchesTeam(selection_.team)) {
        fill();
    }
}

void TeamEditorPanel::build() {
    setMinimumSize(396, 184);
    ui_.txtCity = makeBox(QStringLiteral("txtCity"), QStringLiteral("CITY"), 14, QRect(10, 24, 130, 22), this);
    ui_.txtMascot = makeBox(QStringLiteral("txtMascot"), QStringLiteral("MASCOT"), 14, QRect(10, 50, 130, 22), this);
    ui_.txtAbrev = makeBox(QStringLiteral("txtAbrev"), QStringLiteral("ABREV"), 5, QRect(10, 76, 70, 22), this);
    for (TextBox* box : {ui_.txtCity, ui_.txtMascot, ui_.txtAbrev}) box->acceptPrintableAsciiOnly();

    // The two points boxes stand under the words HOME and AWAY of their caption.
    const QString caption = QStringLiteral("    PPG    HOME  AWAY");
    auto* lblPPG = new QLabel(caption, this);
    lblPPG->setObjectName(QStringLiteral("lblPPG"));
    const QFontMetrics fm(lblPPG->font());
    const int captionLeft = 150;
    lblPPG->setGeometry(captionLeft, 26, fm.horizontalAdvance(caption) + 4, fm.height());
    auto centredUnder = [&](const QString& word) {
        int at = static_cast<int>(caption.indexOf(word));
        int centre = captionLeft + fm.horizontalAdvance(caption.left(at)) + fm.horizontalAdvance(word) / 2;
        return QRect(centre - 18, 28 + fm.height(), 36, 22);
    };
    ui_.txtPPGhome =
        makeBox(QStringLiteral("txtPPGhome"), QStringLiteral("000"), 3, centredUnder(QStringLiteral("HOME")), this);
    ui_.txtPPGaway =
        makeBox(QStringLiteral("txtPPGaway"), QStringLiteral("000"), 3, centredUnder(QStringLiteral("AWAY")), this);
    for (TextBox* box : {ui_.txtPPGhome, ui_.txtPPGaway}) box->setAlignment(Qt::AlignCenter);

    ui_.picPlayerRenderNES = new PictureBox(QStringLiteral("picPlayerRenderNES"), kFigureWidth, kFigureHeight, this);
    ui_.picPlayerRenderNES->move(306, 24);
    ui_.picPlayerRenderSNES = new PictureBox(QStringLiteral("picPlayerRenderSNES"), kFigureWidth, kFigureHeight, this);
    ui_.picPlayerRenderSNES->move(350, 24);

    ui_.contNesPalEd = new QWidget(this);
    ui_.contNesPalEd->setObjectName(QStringLiteral("contNesPalEd"));
    ui_.contNesPalEd->setGeometry(306, 128, 34, 18);
    for (int i = 0; i < 6; ++i) {
        auto* label = new SwatchLabel(QStringLiteral("lblnespal_%1").arg(i), ui_.contNesPalEd);
        label->setGeometry(16 * i, 0, 16, 16);
        label->setFont(SwatchStyle::courierFont(9));
        ui_.lblnespal[static_cast<std::size_t>(i)] = label;
    }

    ui_.contSnesPalEd = new QWidget(this);
    ui_.contSnesPalEd->setObjectName(QStringLiteral("contSnesPalEd"));
    ui_.contSnesPalEd->setGeometry(10, 108, 256, 66);
    for (int i = 0; i < 128; ++i) {
        auto* label = new SwatchLabel(QStringLiteral("lblsnespal_%1").arg(i), ui_.contSnesPalEd);
        label->setGeometry(8 * (i % 32), 16 * (i / 32), 8, 16);
        ui_.lblsnespal[static_cast<std::size_t>(i)] = label;
    }
    new SwatchSheet({ui_.lblsnespal.begin(), ui_.lblsnespal.end()}, ui_.contSnesPalEd);
}

void TeamEditorPanel::connectControls() {
    for (TextBox* box : {ui_.txtCity, ui_.txtMascot, ui_.txtAbrev})
        connect(box, &TextBox::lostFocus, this, [this, box] { nameLeft(box); });
    for (TextBox* box : {ui_.txtPPGhome, ui_.txtPPGaway})
        connect(box, &TextBox::lostFocus, this, [box] { setBoxText(box, normalisedPoints(box->text())); });
    for (std::size_t i = 0; i < ui_.lblnespal.size(); ++i)
        connect(ui_.lblnespal[i], &SwatchLabel::clicked, this, [this, i] { nesSwatchClicked(static_cast<int>(i)); });
    for (std::size_t i = 0; i < ui_.lblsnespal.size(); ++i)
        connect(ui_.lblsnespal[i], &SwatchLabel::clicked, this, [this, i] { snesSwatchClicked(static_cast<int>(i)); });
    connect(ui_.picPlayerRenderNES, &PictureBox::clicked, this, [this] { figureClicked(true); });
    connect(ui_.picPlayerRenderSNES, &PictureBox::clicked, this, [this] { figureClicked(false); });
}

const clsTeam* TeamEditorPanel::team() const { return selection_.teamOf(session_.league()); }

void TeamEditorPanel::editTeam(const char* label, unsigned kinds, const std::function<void(clsTeam&)>& change) {
    const EditorSelection at = selection_;
    const QScopedValueRollback<bool> own(storing_, true);
    session_.edit(label, LeagueChange::ofTeam(at.team, kinds), [&](clsProject& league) {
        if (clsTeam* t = at.teamOf(league)) change(*t);
    });
}

// A name box left: its text in upper case, then every box stored.
void TeamEditorPanel::nameLeft(TextBox* box) {
    setBoxText(box, box->text().toUpper());
    store();
}

void TeamEditorPanel::fill() {
    const clsTeam* t = team();
    if (t == nullptr) return;
    ui_.txtCity->showStored(fromRom(t->getCity()));
    ui_.txtMascot->showStored(fromRom(t->getMascot()));
    ui_.txtAbrev->showStored(fromRom(t->getAbrev()));
    ui_.txtPPGhome->showStored(QString::number(t->getPointsScored()));
    ui_.txtPPGaway->showStored(QString::number(t->getPointsGiven()));
    if (session_.kind() == Console::Nes) {
        showNesUniform(true);
        showSnesUniform(false);
    } else if (session_.kind() == Console::Snes) {
        showNesUniform(false);
        showSnesUniform(true);
    }
}

void TeamEditorPanel::setEditable(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.txtCity, ui_.txtMascot, ui_.txtAbrev, ui_.txtPPGhome,
                                                      ui_.txtPPGaway, ui_.picPlayerRenderNES, ui_.picPlayerRenderSNES})
        w->setEnabled(enabled);
}

// Only the open edition's colours and figure show: the other edition's are not saved into
// the image. The open edition's figure shows once it is drawn whole.
void TeamEditorPanel::showPaletteBoxes() {
    const bool nes = session_.kind() == Console::Nes;
    const bool snes = session_.kind() == Console::Snes;
    ui_.contNesPalEd->setVisible(nes);
    ui_.contSnesPalEd->setVisible(snes);
    if (!nes) ui_.picPlayerRenderNES->hide();
    if (!snes) ui_.picPlayerRenderSNES->hide();
}

// Only what the user changed since the last refresh is written, so that showing a team
// never changes it.
void TeamEditorPanel::store() {
    if (team() == nullptr) return;
    // Read before the first store: the league's observers run between the stores.
    const auto name = [](const TextBox* box) {
        return box->changed() ? std::optional(toRom(box->text())) : std::nullopt;
    };
    const auto points = [](const TextBox* box) {
        return box->changed() ? std::optional(pointsByte(box->text())) : std::nullopt;
    };
    const auto city = name(ui_.txtCity);
    const auto mascot = name(ui_.txtMascot);
    const auto abbreviation = name(ui_.txtAbrev);
    const auto scored = points(ui_.txtPPGhome);
    const auto given = points(ui_.txtPPGaway);
    for (TextBox* box : {ui_.txtCity, ui_.txtMascot, ui_.txtAbrev, ui_.txtPPGhome, ui_.txtPPGaway}) box->keepAsStored();
    if (city) editTeam("City", LeagueChange::TeamNames, [&](clsTeam& t) { t.setCity(*city); });
    if (mascot) editTeam("Mascot", LeagueChange::TeamNames, [&](clsTeam& t) { t.setMascot(*mascot); });
    if (abbreviation) editTeam("Abbreviation", LeagueChange::TeamNames, [&](clsTeam& t) { t.setAbrev(*abbreviation); });
    if (scored || given)
        editTeam("Points", LeagueChange::TeamNumbers, [&](clsTeam& t) {
            if (scored) t.setPointsScored(*scored);
            if (given) t.setPointsGiven(*given);
        });
}

// ---------------------------------------------------------------------------------------
// Swatches and figures

void TeamEditorPanel::showNesUniform(bool render) {
    const clsTeam* t = team();
    if (t == nullptr) return;
    for (int i = 0; i < 2; ++i) {
        const int index = t->getUniformColor_NES_single(i);
        SwatchLabel* swatch = ui_.lblnespal[static_cast<std::size_t>(i)];
        swatch->setColors(nesSwatchColour(index), SwatchStyle::nesCaptionColour(index, palette()));
        swatch->setText(fromRom(modGraphics::nesIndexText(index)));
    }
    if (render)
        drawFigure(ui_.picPlayerRenderNES, Console::Nes, *t, selection_.nesFigureVariant, session_.image());
    else
        ui_.picPlayerRenderNES->clear();
}

void TeamEditorPanel::showSnesUniform(bool render) {
    const clsTeam* t = team();
    if (t == nullptr) return;
    for (int i = 0; i < 128; ++i)
        ui_.lblsnespal[static_cast<std::size_t>(i)]->setBackground(colorFromRgbValue(t->getUniformColor_RGB(i)));
    if (render)
        drawFigure(ui_.picPlayerRenderSNES, Console::Snes, *t, selection_.snesFigureVariant, session_.image());
    else
        ui_.picPlayerRenderSNES->clear();
}

// A figure click shows the next variant, for the edition that is open only.
void TeamEditorPanel::figureClicked(bool nes) {
    if (nes) {
        if (session_.kind() != Console::Nes) return;
        selection_.nesFigureVariant = (selection_.nesFigureVariant + 1) & 3;
        showNesUniform(true);
    } else {
        if (session_.kind() != Console::Snes) return;
        selection_.snesFigureVariant = (selection_.snesFigureVariant + 1) & 7;
        showSnesUniform(true);
    }
}

// ---------------------------------------------------------------------------------------
// The palette tool

frmPaletteTool* TeamEditorPanel::paletteTool(bool create) {
    // A tool closed with its close button is gone, even before Qt has deleted it.
    if (paletteTool_ && paletteTool_->isUnloaded()) paletteTool_ = nullptr;
    if (!paletteTool_ && create) paletteTool_ = new frmPaletteTool(window());
    return paletteTool_;
}

// The tool a swatch click will show is built, hidden, as soon as the window is idle, from its
// design states: a click then only shows it.
void TeamEditorPanel::prepareNextPaletteTool() {
    QTimer::singleShot(0, this, [this] {
        if (session_.valid()) paletteTool(true);
    });
}

// Runs the palette tool as a modal dialogue; true when the user chose OK. A tool closed
// with its close button is unloaded, so the next use starts from its design states.
bool TeamEditorPanel::runPaletteTool(frmPaletteTool* tool) {
    const bool accepted = tool->exec() == QDialog::Accepted && tool->isAccepted();
    if (tool->isUnloaded()) {
        delete tool;
        prepareNextPaletteTool();
    }
    window()->activateWindow();
    return accepted;
}

// A colour chosen as the swatch showed it changes nothing, whatever else the stored byte or
// word holds; the other edition's swatches take no clicks.
void TeamEditorPanel::nesSwatchClicked(int index) {
    if (index < 0 || index >= static_cast<int>(ui_.lblnespal.size()) || team() == nullptr) return;
    if (session_.kind() != Console::Nes) return;
    SwatchLabel* swatch = ui_.lblnespal[static_cast<std::size_t>(index)];
    frmPaletteTool* tool = paletteTool();
    tool->initForm(1);
    tool->setupNesColor(static_cast<std::uint8_t>(modGraphics::readHexWord(toRom(swatch->text()))));
    if (!runPaletteTool(tool)) return;

    const std::uint8_t entry = tool->getEntry_NES();
    if (entry == (team()->getUniformColor_NES_single(index) & 63)) return;
    editTeam("Colour", LeagueChange::Uniforms, [&](clsTeam& t) { t.setUniformColor_NES_single(index, entry); });
    swatch->setBackground(nesSwatchColour(team()->getUniformColor_NES_single(index)));
    if (session_.kind() == Console::Nes) showNesUniform(true);
}

void TeamEditorPanel::snesSwatchClicked(int index) {
    if (index < 0 || index >= static_cast<int>(ui_.lblsnespal.size())) return;
    const clsTeam* current = team();
    if (current == nullptr || session_.kind() != Console::Snes) return;
    frmPaletteTool* tool = paletteTool();
    tool->initForm(2);
    tool->setupSnesColor(current->getRed(index), current->getGreen(index), current->getBlue(index));
    if (!runPaletteTool(tool)) return;

    const std::int16_t word = tool->getEntry_SNES();
    if (word == team()->getUniformColor_1Word(index)) return;
    editTeam("Colour", LeagueChange::Uniforms, [&](clsTeam& t) { t.setUniformColor_1Word(index, word); });
    const clsTeam* t = team();
    ui_.lblsnespal[static_cast<std::size_t>(index)]->setBackground(colorFromRgbValue(t->getUniformColor_RGB(index)));
    if (session_.kind() == Console::Snes)
        drawFigure(ui_.picPlayerRenderSNES, Console::Snes, *t, selection_.snesFigureVariant, session_.image());
}

// The team editor: names and points of the selected team, its uniform colours of both
// editions as swatches, the preview figure of the loaded edition, and the palette tool
// that changes one colour.
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

#include "graphics/modGraphics.h"
#include "base/TextNumber.h"
#include "session/modGlobals.h"
#include "ui/PictureBox.h"
#include "ui/SwatchLabel.h"
#include "ui/SwatchStyle.h"
#include "ui/TextBox.h"
#include "ui/UiText.h"
#include "ui/frmMain.h"
#include "ui/frmPaletteTool.h"

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

std::uint8_t pointsByte(const QString& text) {
    return static_cast<std::uint8_t>(TextNumber::roundedClamped(toRom(text), 0, 255));
}

SwatchLabel* swatch(QLabel* label) { return static_cast<SwatchLabel*>(label); }

void setBoxText(TextBox* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}

// Draws the team's figure into the box's retained image. The box is hidden while the
// figure is drawn and enlarged and shown again only when the whole figure was drawn; an
// image that ends inside the tile data leaves it hidden.
void drawFigure(PictureBox* box, ConsoleKind kind, const clsTeam& team, int variant) {
    box->hide();
    QImage& image = box->image();
    PixelImage surface(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) surface.set(x, y, rgbValueFromColor(image.pixelColor(x, y)));
    int result = modGraphics::drawPlayerSprite(surface, kind, team, variant, modGlobals::romData);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixelColor(x, y, colorFromRgbValue(surface.get(x, y)));
    box->update();
    if (result == 0) box->show();
}

// Runs the palette tool as a modal dialogue; true when the user chose OK. A tool closed
// with its close button is unloaded, so the next use starts from its design states.
bool runPaletteTool(frmMain& window, frmPaletteTool* tool) {
    bool accepted = tool->exec() == QDialog::Accepted && tool->isAccepted();
    if (tool->isUnloaded()) delete tool;
    window.activateWindow();
    return accepted;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Construction

void frmMain::buildTeamEditor(QGroupBox* frame) {
    frame->setMinimumSize(396, 184);

    txtCity = makeBox(QStringLiteral("txtCity"), QStringLiteral("CITY"), 14, QRect(10, 24, 130, 22), frame);
    txtMascot = makeBox(QStringLiteral("txtMascot"), QStringLiteral("MASCOT"), 14, QRect(10, 50, 130, 22), frame);
    txtAbrev = makeBox(QStringLiteral("txtAbrev"), QStringLiteral("ABREV"), 5, QRect(10, 76, 70, 22), frame);
    for (TextBox* box : {txtCity, txtMascot, txtAbrev}) box->acceptPrintableAsciiOnly();

    // The two points boxes stand under the words HOME and AWAY of their caption.
    const QString caption = QStringLiteral("    PPG    HOME  AWAY");
    auto* lblPPG = new QLabel(caption, frame);
    lblPPG->setObjectName(QStringLiteral("lblPPG"));
    const QFontMetrics fm(lblPPG->font());
    const int captionLeft = 150;
    lblPPG->setGeometry(captionLeft, 26, fm.horizontalAdvance(caption) + 4, fm.height());
    auto centredUnder = [&](const QString& word) {
        int at = static_cast<int>(caption.indexOf(word));
        int centre = captionLeft + fm.horizontalAdvance(caption.left(at)) + fm.horizontalAdvance(word) / 2;
        return QRect(centre - 18, 28 + fm.height(), 36, 22);
    };
    txtPPGhome = makeBox(QStringLiteral("txtPPGhome"), QStringLiteral("000"), 3, centredUnder(QStringLiteral("HOME")), frame);
    txtPPGaway = makeBox(QStringLiteral("txtPPGaway"), QStringLiteral("000"), 3, centredUnder(QStringLiteral("AWAY")), frame);
    for (TextBox* box : {txtPPGhome, txtPPGaway}) box->setAlignment(Qt::AlignCenter);

    picPlayerRenderNES = new PictureBox(QStringLiteral("picPlayerRenderNES"), kFigureWidth, kFigureHeight, frame);
    picPlayerRenderNES->move(306, 24);
    picPlayerRenderSNES = new PictureBox(QStringLiteral("picPlayerRenderSNES"), kFigureWidth, kFigureHeight, frame);
    picPlayerRenderSNES->move(350, 24);

    contNesPalEd = new QWidget(frame);
    contNesPalEd->setObjectName(QStringLiteral("contNesPalEd"));
    contNesPalEd->setGeometry(306, 128, 34, 18);
    for (int i = 0; i < 6; ++i) {
        auto* label = new SwatchLabel(QStringLiteral("lblnespal_%1").arg(i), contNesPalEd);
        label->setGeometry(16 * i, 0, 16, 16);
        label->setFont(SwatchStyle::courierFont(9));
        lblnespal[static_cast<std::size_t>(i)] = label;
    }

    contSnesPalEd = new QWidget(frame);
    contSnesPalEd->setObjectName(QStringLiteral("contSnesPalEd"));
    contSnesPalEd->setGeometry(10, 108, 256, 66);
    for (int i = 0; i < 128; ++i) {
        auto* label = new SwatchLabel(QStringLiteral("lblsnespal_%1").arg(i), contSnesPalEd);
        label->setGeometry(8 * (i % 32), 16 * (i / 32), 8, 16);
        lblsnespal[static_cast<std::size_t>(i)] = label;
    }
}

void frmMain::connectTeamPanel() {
    connect(txtCity, &TextBox::lostFocus, this, [this] {
        setBoxText(txtCity, txtCity->text().toUpper());
        storeTeamFields();
        setTeamNodeText(selectedTeam, txtCity->text().toUpper() + QLatin1Char(' ') + txtMascot->text());
    });
    connect(txtMascot, &TextBox::lostFocus, this, [this] {
        setBoxText(txtMascot, txtMascot->text().toUpper());
        storeTeamFields();
        setTeamNodeText(selectedTeam, txtCity->text().toUpper() + QLatin1Char(' ') + txtMascot->text());
    });
    connect(txtAbrev, &TextBox::lostFocus, this, [this] {
        setBoxText(txtAbrev, txtAbrev->text().toUpper());
        storeTeamFields();
        fillSchedulePanel();  // the schedule lists show the abbreviations
    });
    for (TextBox* box : {txtPPGhome, txtPPGaway})
        connect(box, &TextBox::lostFocus, this, [box] { setBoxText(box, normalisedPoints(box->text())); });

    for (int i = 0; i < 6; ++i)
        connect(swatch(lblnespal[static_cast<std::size_t>(i)]), &SwatchLabel::clicked, this,
                [this, i] { lblnespal_Click(i); });
    for (int i = 0; i < 128; ++i)
        connect(swatch(lblsnespal[static_cast<std::size_t>(i)]), &SwatchLabel::clicked, this,
                [this, i] { lblsnespal_Click(i); });
    connect(picPlayerRenderNES, &PictureBox::clicked, this, [this] { picPlayerRenderNES_Click(); });
    connect(picPlayerRenderSNES, &PictureBox::clicked, this, [this] { picPlayerRenderSNES_Click(); });
}

// ---------------------------------------------------------------------------------------
// Filling, enabling and storing

void frmMain::fillTeamPanel() {
    const clsTeam* team = selectedTeamRef();
    if (team == nullptr) return;
    txtCity->setText(fromRom(team->getCity()));
    txtMascot->setText(fromRom(team->getMascot()));
    txtAbrev->setText(fromRom(team->getAbrev()));
    txtPPGhome->setText(QString::number(team->getPointsScored()));
    txtPPGaway->setText(QString::number(team->getPointsGiven()));
    if (consoleKind == Console::Nes) {
        showNesUniform(true);
        showSnesUniform(false);
    } else if (consoleKind == Console::Snes) {
        showNesUniform(false);
        showSnesUniform(true);
    }
}

void frmMain::enableTeamPanel(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{txtCity, txtMascot, txtAbrev, txtPPGhome, txtPPGaway,
                                                       picPlayerRenderNES, picPlayerRenderSNES})
        w->setEnabled(enabled);
}

void frmMain::showPaletteBoxes() {
    bool shown = consoleKind == Console::Nes || consoleKind == Console::Snes;
    contNesPalEd->setVisible(shown);
    contSnesPalEd->setVisible(shown);
}

void frmMain::storeTeamFields() {
    clsTeam* team = selectedTeamRef();
    if (team == nullptr) return;
    team->setCity(toRom(txtCity->text()));
    team->setMascot(toRom(txtMascot->text()));
    team->setAbrev(toRom(txtAbrev->text()));
    // Rounded half to even and held in a byte; a negative entry stores 0, not a failure.
    team->setPointsScored(pointsByte(txtPPGhome->text()));
    team->setPointsGiven(pointsByte(txtPPGaway->text()));
}

// ---------------------------------------------------------------------------------------
// Swatches and figures

void frmMain::showNesUniform(bool render) {
    const clsTeam* team = selectedTeamRef();
    if (team == nullptr) return;
    for (int i = 0; i < 2; ++i) {
        int index = team->getUniformColor_NES_single(i);
        swatch(lblnespal[static_cast<std::size_t>(i)])
            ->setColors(colorFromRgbValue(modGraphics::nesColorToRGB(static_cast<std::uint8_t>(index), false, 0)),
                        SwatchStyle::nesCaptionColour(index, palette()));
        lblnespal[static_cast<std::size_t>(i)]->setText(fromRom(modGraphics::nesIndexText(index)));
    }
    if (render)
        drawFigure(picPlayerRenderNES, Console::Nes, *team, nesSpriteVariant);
    else
        picPlayerRenderNES->clear();
}

void frmMain::showSnesUniform(bool render) {
    const clsTeam* team = selectedTeamRef();
    if (team == nullptr) return;
    for (int i = 0; i < 128; ++i)
        swatch(lblsnespal[static_cast<std::size_t>(i)])->setBackground(colorFromRgbValue(team->getUniformColor_RGB(i)));
    if (render)
        drawFigure(picPlayerRenderSNES, Console::Snes, *team, snesSpriteVariant);
    else
        picPlayerRenderSNES->clear();
}

void frmMain::picPlayerRenderNES_Click() {
    if (consoleKind != Console::Nes) return;
    nesSpriteVariant = (nesSpriteVariant + 1) & 3;
    showNesUniform(true);
}

void frmMain::picPlayerRenderSNES_Click() {
    if (consoleKind != Console::Snes) return;
    snesSpriteVariant = (snesSpriteVariant + 1) & 7;
    showSnesUniform(true);
}

// ---------------------------------------------------------------------------------------
// The palette tool

frmPaletteTool* frmMain::paletteTool(bool create) {
    // A tool closed with its close button is gone, even before Qt has deleted it.
    if (paletteTool_ && paletteTool_->isUnloaded()) paletteTool_ = nullptr;
    if (!paletteTool_ && create) paletteTool_ = new frmPaletteTool(this);
    return paletteTool_;
}

void frmMain::lblnespal_Click(int index) {
    if (index < 0 || index >= static_cast<int>(lblnespal.size()) || selectedTeamRef() == nullptr) return;
    QLabel* label = lblnespal[static_cast<std::size_t>(index)];
    frmPaletteTool* tool = paletteTool();
    tool->initForm(1);
    tool->setupNesColor(static_cast<std::uint8_t>(modGraphics::readHexWord(toRom(label->text()))));
    if (!runPaletteTool(*this, tool)) return;

    clsTeam* team = selectedTeamRef();
    team->setUniformColor_NES_single(index, tool->getEntry_NES());
    int shown = team->getUniformColor_NES_single(index);
    swatch(label)->setBackground(colorFromRgbValue(modGraphics::nesColorToRGB(static_cast<std::uint8_t>(shown), false, 0)));
    if (consoleKind == Console::Nes) showNesUniform(true);
}

void frmMain::lblsnespal_Click(int index) {
    if (index < 0 || index >= static_cast<int>(lblsnespal.size())) return;
    const clsTeam* current = selectedTeamRef();
    if (current == nullptr) return;
    frmPaletteTool* tool = paletteTool();
    tool->initForm(2);
    tool->setupSnesColor(current->getRed(index), current->getGreen(index), current->getBlue(index));
    if (!runPaletteTool(*this, tool)) return;

    clsTeam* team = selectedTeamRef();
    team->setUniformColor_1Word(index, tool->getEntry_SNES());
    swatch(lblsnespal[static_cast<std::size_t>(index)])->setBackground(colorFromRgbValue(team->getUniformColor_RGB(index)));
    if (consoleKind == Console::Snes) drawFigure(picPlayerRenderSNES, Console::Snes, *team, snesSpriteVariant);
}

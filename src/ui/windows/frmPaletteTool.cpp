#include "ui/windows/frmPaletteTool.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <optional>

#include "graphics/modGraphics.h"
#include "model/SnesColorWord.h"
#include "ui/widgets/SwatchLabel.h"
#include "ui/widgets/SwatchStyle.h"
#include "ui/widgets/TextBox.h"
#include "ui/widgets/UiText.h"

namespace {

const QString kNoColour = QStringLiteral("Not a 15-bit colour: type 0 to 7FFF in hexadecimal.");

QSlider* makeSlider(const QString& name, int top, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(0, 31);
    s->setGeometry(160, top, 153, 17);
    return s;
}

QCheckBox* makeCheck(const QString& name, const QString& caption, const QString& tip, int left, int width,
                     QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setGeometry(left, 110, width, 17);
    if (!tip.isEmpty()) c->setToolTip(tip);
    return c;
}

}  // namespace

frmPaletteTool::frmPaletteTool(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPaletteTool"));
    setWindowTitle(QStringLiteral("Palette Tool"));
    setModal(true);
    buildControls();
    // Load.
    isOpen_ = true;
    refreshWindow();
}

void frmPaletteTool::buildControls() {
    setFixedSize(432, 193);

    // NES part.
    contNesPalEd = new QWidget(this);
    contNesPalEd->setObjectName(QStringLiteral("contNesPalEd"));
    contNesPalEd->setGeometry(8, 8, 416, 129);
    for (int i = 0; i < 64; ++i) {
        auto* cell = new SwatchLabel(QStringLiteral("lblnespal_%1").arg(i), contNesPalEd);
        cell->setGeometry(26 + 24 * (i % 16), 8 + 24 * (i / 16), 17, 17);
        cell->setFont(SwatchStyle::courierFont(9));
        cell->setText(UiText::fromRom(modGraphics::nesIndexText(i)));
        connect(cell, &SwatchLabel::clicked, this, [this, i] { lblnespal_Click(i); });
        lblnespal[static_cast<std::size_t>(i)] = cell;
    }
    lblLabels[0] = new QLabel(QStringLiteral("N\nE\nS"), contNesPalEd);
    lblLabels[0]->setObjectName(QStringLiteral("lblLabels_0"));
    lblLabels[0]->setGeometry(8, 36, 9, 41);
    lblLabels[0]->setFont(SwatchStyle::courierFont(11));
    lblLabels[0]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    chkMonochrome =
        makeCheck(QStringLiteral("chkMonochrome"), QStringLiteral("Monochrome"), QString(), 32, 105, contNesPalEd);
    chkIntBlue = makeCheck(QStringLiteral("chkIntBlue"), QString(),
                           QStringLiteral("Intensify blues (and darken other colors)"), 184, 17, contNesPalEd);
    chkIntGreen = makeCheck(QStringLiteral("chkIntGreen"), QString(),
                            QStringLiteral("Intensify greens (and darken other colors)"), 200, 17, contNesPalEd);
    chkIntRed = makeCheck(QStringLiteral("chkIntRed"), QStringLiteral("Emphasis"),
                          QStringLiteral("Intensify reds (and darken other colors)"), 216, 89, contNesPalEd);
    for (QCheckBox* c : {chkMonochrome, chkIntRed, chkIntGreen, chkIntBlue})
        connect(c, &QCheckBox::clicked, this, [this] { refreshWindow(); });

    // SNES part, over the same area.
    contSnesPalEd = new QWidget(this);
    contSnesPalEd->setObjectName(QStringLiteral("contSnesPalEd"));
    contSnesPalEd->setGeometry(0, 24, 416, 81);
    lblLabels[1] = new QLabel(QStringLiteral("S\nN\nE\nS"), contSnesPalEd);
    lblLabels[1]->setObjectName(QStringLiteral("lblLabels_1"));
    lblLabels[1]->setGeometry(16, 16, 9, 57);
    lblLabels[1]->setFont(SwatchStyle::courierFont(11));
    lblLabels[1]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblColor = new SwatchLabel(QStringLiteral("lblColor"), contSnesPalEd);
    lblColor->setGeometry(96, 8, 49, 41);
    lblColor->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblColor->setBackground(Qt::black);
    txtValue = new TextBox(QStringLiteral("txtValue"), contSnesPalEd);
    txtValue->setGeometry(96, 56, 49, 18);
    txtValue->setAlignment(Qt::AlignCenter);
    txtValue->setMaxLength(4);
    txtValue->setText(QStringLiteral("0000"));
    connect(txtValue, &TextBox::lostFocus, this, [this] { txtValue_LostFocus(); });
    connect(txtValue, &QLineEdit::returnPressed, this, [this] { applyTypedWord(); });
    hscrRed = makeSlider(QStringLiteral("hscrRed"), 8, contSnesPalEd);
    hscrGreen = makeSlider(QStringLiteral("hscrGreen"), 32, contSnesPalEd);
    hscrBlue = makeSlider(QStringLiteral("hscrBlue"), 56, contSnesPalEd);
    for (QSlider* s : {hscrRed, hscrGreen, hscrBlue})
        connect(s, &QSlider::valueChanged, this, [this] { hscr_Change(); });
    for (std::size_t i = 0; i < lblChannel.size(); ++i) {
        lblChannel[i] = new QLabel(contSnesPalEd);
        lblChannel[i]->setObjectName(QStringLiteral("lblChannel_%1").arg(i));
        lblChannel[i]->setGeometry(318, 8 + 24 * static_cast<int>(i), 48, 17);
    }
    lblValueMessage = new QLabel(kNoColour, this);
    lblValueMessage->setObjectName(QStringLiteral("lblValueMessage"));
    lblValueMessage->setGeometry(8, 110, 416, 34);
    lblValueMessage->setWordWrap(true);
    QPalette red = lblValueMessage->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    lblValueMessage->setPalette(red);
    lblValueMessage->hide();

    lblSelection = new SwatchLabel(QStringLiteral("lblSelection"), this);
    lblSelection->setGeometry(24, 160, 19, 19);
    lblSelection->setFont(SwatchStyle::courierFont(9));
    lblSelection->setText(QStringLiteral("Label1"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(160, 152, 81, 33);
    cmdOK->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmPaletteTool::initForm(int rtype) {
    rtype_ = rtype;
    isOpen_ = true;
    contNesPalEd->setVisible(rtype == 1);
    lblSelection->setVisible(rtype == 1);
    contSnesPalEd->setVisible(rtype == 2);
    lblValueMessage->hide();
}

void frmPaletteTool::setupNesColor(std::uint8_t color) {
    nesEntry_ = static_cast<std::uint8_t>(color & 63);
    lblSelection->setText(UiText::fromRom(modGraphics::nesIndexText(color)));
    refreshWindow();
    lblSelection->setBackground(lblnespal[nesEntry_]->background());
}

void frmPaletteTool::setupSnesColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    hscrRed->setValue(r);
    hscrGreen->setValue(g);
    hscrBlue->setValue(b);
    refreshWindow();
}

QString frmPaletteTool::getString() const {
    const int word = SnesColor::compose(hscrRed->value(), hscrGreen->value(), hscrBlue->value());
    return UiText::fromRom(modGraphics::snesWordText(word));
}

std::int16_t frmPaletteTool::getEntry_SNES() const { return modGraphics::readHexWord(UiText::toRom(getString())); }

std::uint8_t frmPaletteTool::getEmphasis() const {
    return static_cast<std::uint8_t>((chkIntRed->isChecked() ? 1 : 0) + (chkIntGreen->isChecked() ? 2 : 0) +
                                     (chkIntBlue->isChecked() ? 4 : 0));
}

void frmPaletteTool::showSnesPreview() {
    lblColor->setBackground(
        colorFromRgbValue(SnesColor::rgb(hscrRed->value() * 8, hscrGreen->value() * 8, hscrBlue->value() * 8)));
    txtValue->setText(getString());
    const std::array<QSlider*, 3> sliders = {hscrRed, hscrGreen, hscrBlue};
    for (std::size_t i = 0; i < sliders.size(); ++i)
        lblChannel[i]->setText(QStringLiteral("%1 %2").arg(QLatin1Char("RGB"[i])).arg(sliders[i]->value()));
}

void frmPaletteTool::refreshWindow() {
    if (rtype_ == 2) {
        showSnesPreview();
    } else if (rtype_ == 1) {
        // A partly checked box counts as checked, as any state but unchecked does.
        bool mono = chkMonochrome->checkState() != Qt::Unchecked;
        std::uint8_t emphasis = getEmphasis();
        for (int i = 0; i < 64; ++i) {
            SwatchLabel* cell = lblnespal[static_cast<std::size_t>(i)];
            cell->setColors(colorFromRgbValue(modGraphics::nesColorToRGB(static_cast<std::uint8_t>(i), mono, emphasis)),
                            SwatchStyle::nesCaptionColour(i, palette()));
            cell->setText(UiText::fromRom(modGraphics::nesIndexText(i)));
        }
    }
}

void frmPaletteTool::hscr_Change() { showSnesPreview(); }

void frmPaletteTool::lblnespal_Click(int index) {
    if (index < 0 || index > 63) return;
    nesEntry_ = static_cast<std::uint8_t>(index);
    lblSelection->setText(UiText::fromRom(modGraphics::nesIndexText(index)));
    lblSelection->setBackground(lblnespal[static_cast<std::size_t>(index)]->background());
}

void frmPaletteTool::txtValue_LostFocus() { applyTypedWord(); }

// A word typed into the hex box sets the sliders, as moving them would; text that is no
// colour is refused with a message and stays for the user to mend.
bool frmPaletteTool::applyTypedWord() {
    const std::optional<int> word = modGraphics::snesWordOfText(UiText::toRom(txtValue->text()));
    lblValueMessage->setVisible(!word);
    if (word)
        setupSnesColor(static_cast<std::uint8_t>(SnesColor::red(*word)),
                       static_cast<std::uint8_t>(SnesColor::green(*word)),
                       static_cast<std::uint8_t>(SnesColor::blue(*word)));
    return word.has_value();
}

// OK with text in the hex box that is no colour waits for the user to mend it.
void frmPaletteTool::cmdOK_Click() {
    if (rtype_ == 2 && !applyTypedWord()) {
        txtValue->setFocus();
        txtValue->selectAll();
        return;
    }
    isOpen_ = false;
    isAccepted_ = true;
    accept();  // hides the window; the controls keep their states
}

void frmPaletteTool::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    isOpen_ = false;
    isAccepted_ = false;
    deleteLater();
}

void frmPaletteTool::reject() {
    unload();
    QDialog::reject();
}

void frmPaletteTool::closeEvent(QCloseEvent* e) {
    QDialog::closeEvent(e);
    if (e->isAccepted()) unload();
}

bool frmPaletteTool::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !unloaded_) isOpen_ = true;
    return QDialog::event(e);
}

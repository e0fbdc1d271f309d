#pragma once
#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;
class SwatchLabel;
class TextBox;

// The palette tool: picks one colour, an entry of the NES master palette (shown as a
// 16 x 4 grid that can be previewed in monochrome and with colour emphasis) or an SNES
// colour word set with three 5-bit channel sliders, each labelled with its channel and value,
// or typed into the hex box, which applies it as the sliders do (text that is no 15-bit
// colour is refused with a message below, and OK waits until it is mended).
//
// The team editor runs it as a modal dialogue. OK hides it and keeps every control state
// for the next use; the close button (or Escape) unloads it: the window is deleted once
// control returns to the event loop, and the next use builds it afresh from the design
// states.
class frmPaletteTool : public QDialog {
    Q_OBJECT
public:
    explicit frmPaletteTool(QWidget* parent = nullptr);

    // 1 shows the NES part and the selection label, 2 the SNES part, anything else
    // neither. Marks the tool as in use.
    void initForm(int rtype);
    // Selects NES index color & 63; the selection label shows color as two hex digits.
    void setupNesColor(std::uint8_t color);
    // Sets the red, green and blue sliders (0..31) in that order.
    void setupSnesColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    std::uint8_t getEntry_NES() const { return nesEntry_; }
    // The word composed from the sliders, 0..0x7FFF.
    std::int16_t getEntry_SNES() const;
    // That word in upper-case hex without leading zeros.
    QString getString() const;
    void refreshWindow();

    bool isOpen() const { return isOpen_; }
    bool isAccepted() const { return isAccepted_; }
    // True once the close button (or Escape) has closed the window; it is then deleted
    // at the next turn of the event loop and must not be used again.
    bool isUnloaded() const { return unloaded_; }
    int rtype() const { return rtype_; }

    void cmdOK_Click();
    void lblnespal_Click(int index);
    void txtValue_LostFocus();

    // Controls, named as their objectName.
    QWidget* contNesPalEd = nullptr;
    std::array<SwatchLabel*, 64> lblnespal{};
    std::array<QLabel*, 2> lblLabels{};
    QCheckBox* chkMonochrome = nullptr;
    QCheckBox* chkIntBlue = nullptr;
    QCheckBox* chkIntGreen = nullptr;
    QCheckBox* chkIntRed = nullptr;
    QWidget* contSnesPalEd = nullptr;
    SwatchLabel* lblColor = nullptr;
    TextBox* txtValue = nullptr;
    QSlider* hscrRed = nullptr;
    QSlider* hscrGreen = nullptr;
    QSlider* hscrBlue = nullptr;
    std::array<QLabel*, 3> lblChannel{};  // "R 31", "G 0", "B 9": each slider's channel and value
    QLabel* lblValueMessage = nullptr;    // why a typed word is refused
    SwatchLabel* lblSelection = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void reject() override;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    void hscr_Change();
    bool applyTypedWord();
    std::uint8_t getEmphasis() const;
    void showSnesPreview();
    void unload();

    bool isOpen_ = false;
    bool isAccepted_ = false;
    bool unloaded_ = false;
    int rtype_ = 0;
    std::uint8_t nesEntry_ = 0;
};

#pragma once
#include <QLabel>
#include <cstdint>

#include "ui/widgets/SelectionEvents.h"

// A colour swatch: a label with a filled background that reports a left click (press
// and release inside it) with clicked(). The background is painted from the colour set, and
// only a colour that differs from the one shown repaints the swatch; the caption's colour
// goes through the label's palette.
class SwatchLabel : public QLabel {
    Q_OBJECT
public:
    explicit SwatchLabel(const QString& name, QWidget* parent = nullptr);

    // Background and caption colour.
    void setColors(const QColor& background, const QColor& text);
    void setBackground(const QColor& background);
    QColor background() const;
    QColor textColor() const;
    // A sheet lying over the swatch paints its colour from now on (see SwatchSheet): a new
    // colour repaints the sheet where the swatch lies.
    void setCover(QWidget* sheet) { cover_ = sheet; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QColor background_;
    PressReleaseClick click_;
    QWidget* cover_ = nullptr;
};

// An RGB colour value (red + 256 * green + 65536 * blue) as a QColor, and back.
QColor colorFromRgbValue(std::uint32_t rgb);
std::uint32_t rgbValueFromColor(const QColor& c);

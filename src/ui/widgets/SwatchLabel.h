#pragma once
#include <QLabel>
#include <cstdint>

#include "ui/widgets/SelectionEvents.h"

// A colour swatch: a label with a filled background that reports a left click (press
// and release inside it) with clicked(). The background and caption colours go through
// the label's palette, so they can be read back as the label shows them.
class SwatchLabel : public QLabel {
    Q_OBJECT
public:
    explicit SwatchLabel(const QString& name, QWidget* parent = nullptr);

    // Background and caption colour.
    void setColors(const QColor& background, const QColor& text);
    void setBackground(const QColor& background);
    QColor background() const;
    QColor textColor() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    PressReleaseClick click_;
};

// An RGB colour value (red + 256 * green + 65536 * blue) as a QColor, and back.
QColor colorFromRgbValue(std::uint32_t rgb);
std::uint32_t rgbValueFromColor(const QColor& c);

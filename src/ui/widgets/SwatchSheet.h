#pragma once
#include <QWidget>
#include <vector>

class SwatchLabel;

// Paints the colours of swatches that tile a rectangle, lying over them, all in one go, and lets
// every click and hover through to the swatch beneath. A window paints each of its widgets on its
// own, and for the 128 swatches of an SNES uniform that costs far more than filling their colours.
// The swatches stay what the user clicks and what the program reads and sets; each tells the
// sheet when its colour changes. Swatches with a caption or a frame are not for a sheet.
class SwatchSheet : public QWidget {
public:
    // Made over the swatches, which share the sheet's parent.
    SwatchSheet(std::vector<SwatchLabel*> swatches, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<SwatchLabel*> swatches_;
};

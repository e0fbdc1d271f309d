#pragma once
#include <QColor>
#include <QFont>
#include <QPalette>

// How colour swatches are captioned: the team editor's NES swatches and the palette
// tool's grid show an NES colour index in the same face and with the same caption colour.
namespace SwatchStyle {

// Courier New (or the system's fixed-pitch face where it is missing) at the pixel size.
QFont courierFont(int pixelSize);

// Whether the NES colour index is dark enough to need a light caption: the dark entries of
// the master palette, and the black that stands for any index above 0x3F.
bool isDarkNesEntry(int index);

// The caption colour for the index: the palette's window-background colour on a dark
// entry, its window-text colour on any other.
QColor nesCaptionColour(int index, const QPalette& palette);

}  // namespace SwatchStyle

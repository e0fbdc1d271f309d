#include "ui/widgets/SwatchStyle.h"

namespace SwatchStyle {

QFont courierFont(int pixelSize) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(pixelSize);
    return f;
}

bool isDarkNesEntry(int index) {
    return (index >= 0x01 && index <= 0x03) || (index >= 0x08 && index <= 0x0F) || (index >= 0x1D && index <= 0x1F) ||
           index == 0x2E || index == 0x2F || index == 0x3E || index == 0x3F || index > 0x3F;
}

QColor nesCaptionColour(int index, const QPalette& palette) {
    return palette.color(isDarkNesEntry(index) ? QPalette::Window : QPalette::WindowText);
}

}  // namespace SwatchStyle

#pragma once
#include <QProxyStyle>

// The Fusion style, with its standard icons read only when first drawn or measured. A
// style reads each such icon from its pictures when asked for it, and Qt's widgets ask at once:
// the menu bar for the button it shows only when its menus do not fit, a line edit for its clear
// button, a message box for its symbol. The first of them also loads Qt's picture readers, which
// made up a tenth of the window's start.
class LazyIconStyle : public QProxyStyle {
public:
    LazyIconStyle() = default;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // Whether style, or the style a proxy passes on to, is Fusion: the style whose look some
    // widgets of the window know.
    static bool isFusion(const QStyle* style);
};

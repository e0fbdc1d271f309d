#include "ui/widgets/SwatchLabel.h"

#include <QPainter>

SwatchLabel::SwatchLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the swatch fills itself whole
    setAlignment(Qt::AlignCenter);
}

void SwatchLabel::setColors(const QColor& background, const QColor& text) {
    setBackground(background);
    if (textColor() == text) return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

void SwatchLabel::setBackground(const QColor& background) {
    if (background_ == background) return;
    background_ = background;
    if (cover_ != nullptr)
        cover_->update(geometry().translated(-cover_->pos()));
    else
        update();
}

// Before a colour is set, the swatch shows the window's background.
QColor SwatchLabel::background() const {
    return background_.isValid() ? background_ : palette().color(QPalette::Window);
}
QColor SwatchLabel::textColor() const { return palette().color(QPalette::WindowText); }

// A swatch without caption or frame (the 128 of an SNES uniform) is its colour alone, and
// needs no second painter for the label to draw nothing.
void SwatchLabel::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        p.fillRect(rect(), background());
    }
    if (!text().isEmpty() || frameShape() != QFrame::NoFrame) QLabel::paintEvent(e);
}

void SwatchLabel::mousePressEvent(QMouseEvent* e) {
    click_.press(e);
    QLabel::mousePressEvent(e);
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (click_.release(e, *this)) emit clicked();
    QLabel::mouseReleaseEvent(e);
}

QColor colorFromRgbValue(std::uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

std::uint32_t rgbValueFromColor(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

#include "ui/widgets/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(const QString& name, int width, int height, QWidget* parent)
    : QWidget(parent), image_(width, height, QImage::Format_RGB32), background_(palette().color(QPalette::Window)) {
    setObjectName(name);
    setFixedSize(width, height);
    clear();
}

void PictureBox::clear() {
    image_.fill(background_);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    click_.press(e);
    QWidget::mousePressEvent(e);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    if (click_.release(e, *this)) emit clicked();
    QWidget::mouseReleaseEvent(e);
}

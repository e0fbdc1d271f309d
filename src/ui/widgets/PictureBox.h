#pragma once
#include <QImage>
#include <QWidget>

#include "ui/widgets/SelectionEvents.h"

// A picture box with a retained image: what is drawn into image() stays and is what the
// box shows; a click is reported with clicked().
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString& name, int width, int height, QWidget* parent = nullptr);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // Fills the retained image with the box's background colour.
    void clear();
    void setBackground(const QColor& c) { background_ = c; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QImage image_;
    QColor background_;
    PressReleaseClick click_;
};

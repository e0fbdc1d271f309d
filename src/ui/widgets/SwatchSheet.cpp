#include "ui/widgets/SwatchSheet.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/widgets/SwatchLabel.h"

SwatchSheet::SwatchSheet(std::vector<SwatchLabel*> swatches, QWidget* parent)
    : QWidget(parent), swatches_(std::move(swatches)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the swatches tile it
    QRect area;
    for (SwatchLabel* swatch : swatches_) area |= swatch->geometry();
    setGeometry(area);
    for (SwatchLabel* swatch : swatches_) swatch->setCover(this);
    raise();
}

void SwatchSheet::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect area = e->rect();  // the painter keeps to the region itself
    const QPoint origin = pos();
    for (const SwatchLabel* swatch : swatches_) {
        const QRect place = swatch->geometry().translated(-origin);
        if (area.intersects(place)) p.fillRect(place, swatch->background());
    }
}

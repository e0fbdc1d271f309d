#include "ui/widgets/ToolIcons.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QIconEngine>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>

// The resources are linked into the library: naming their initialiser keeps them there.
static void initResources() { Q_INIT_RESOURCE(tamsel); }

namespace ToolIcons {

namespace {

// The application icon, one picture per size ("16.png" is 16 x 16), each read from the
// resources only when a size is first drawn: a window shown at start draws one or two of
// them, and reading all seven (the 256 pixel one above all) would hold up the first paint.
class SizedPicturesEngine : public QIconEngine {
public:
    SizedPicturesEngine() {
        for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();) {
            const QString file = it.next();
            const int side = QFileInfo(file).baseName().toInt();
            if (side > 0) files_.insert(side, file);
        }
    }

    QIconEngine* clone() const override { return new SizedPicturesEngine(*this); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : files_.keys()) sizes.append(QSize(side, side));
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = sideFor(size);
        return side > 0 ? QSize(side, side).boundedTo(size) : QSize();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = sideFor(size);
        if (side <= 0) return QPixmap();
        QPixmap& picture = read_[side];
        if (picture.isNull()) picture.load(files_.value(side), "PNG");
        QPixmap shown = picture.width() > size.width() || picture.height() > size.height()
                            ? picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            : picture;
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            return QApplication::style()->generatedIconPixmap(mode, shown, &option);
        }
        return shown;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
        const QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        painter->drawPixmap(rect, picture);
    }

private:
    // The smallest picture at least as large as the size asked for, else the largest.
    int sideFor(const QSize& size) const {
        const int wanted = qMax(size.width(), size.height());
        const auto it = files_.lowerBound(wanted);
        if (it != files_.end()) return it.key();
        return files_.isEmpty() ? 0 : files_.lastKey();
    }

    QMap<int, QString> files_;  // by side
    QMap<int, QPixmap> read_;   // the pictures read so far, by side
};

}  // namespace

QIcon applicationIcon() {
    initResources();
    return QIcon(new SizedPicturesEngine);
}

namespace {

QPixmap blank() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    return pm;
}

}  // namespace

QPixmap openPicture() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor outline(120, 86, 10);
    // Back of the folder with its tab.
    p.setPen(outline);
    p.setBrush(QColor(230, 180, 50));
    p.drawPolygon(
        QPolygonF({QPointF(1, 3), QPointF(6, 3), QPointF(7, 4), QPointF(13, 4), QPointF(13, 13), QPointF(1, 13)}));
    // Sheet of paper sticking out.
    p.setPen(QColor(150, 150, 150));
    p.setBrush(Qt::white);
    p.drawRect(3, 5, 8, 6);
    // Front flap, opened toward the viewer.
    p.setPen(outline);
    p.setBrush(QColor(250, 210, 90));
    p.drawPolygon(QPolygonF({QPointF(1, 13), QPointF(4, 7), QPointF(15, 7), QPointF(12, 13)}));
    return pm;
}

QPixmap savePicture() {
    QPixmap pm = blank();
    QPainter p(&pm);
    const QColor body(40, 70, 160);
    p.setPen(QColor(20, 35, 90));
    p.setBrush(body);
    p.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(13, 1), QPointF(14, 2), QPointF(14, 14), QPointF(1, 14)}));
    // Label.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(3, 2, 9, 5);
    p.setPen(QColor(180, 180, 200));
    p.drawLine(4, 4, 10, 4);
    // Metal shutter with its window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(4, 9, 7, 5);
    p.setBrush(body);
    p.drawRect(5, 10, 2, 3);
    return pm;
}

QPixmap exitPicture() {
    QPixmap pm = blank();
    QPainter p(&pm);
    // Door frame and the open door.
    p.setPen(QColor(70, 50, 30));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(1, 1, 8, 14);
    p.setBrush(QColor(170, 110, 60));
    p.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(6, 3), QPointF(6, 15), QPointF(1, 15)}));
    p.setPen(QColor(240, 220, 120));
    p.drawPoint(5, 9);
    // Red arrow pointing out of the door.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(8, 7), QPointF(11, 7), QPointF(11, 4), QPointF(15.5, 8.5), QPointF(11, 13),
                             QPointF(11, 10), QPointF(8, 10)}));
    return pm;
}

QPixmap testPicture() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The pad, with its cross and buttons.
    p.setPen(QColor(60, 60, 70));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(0.5, 7.5, 15, 8), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(3, 10, 3, 1);
    p.drawRect(4, 9, 1, 3);
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QRectF(10, 10, 2, 2));
    p.drawEllipse(QRectF(12.5, 9, 2, 2));
    // The arrow to play, above it.
    p.setBrush(QColor(30, 150, 40));
    p.drawPolygon(QPolygonF({QPointF(5, 0.5), QPointF(11.5, 3.5), QPointF(5, 6.5)}));
    return pm;
}

}  // namespace ToolIcons

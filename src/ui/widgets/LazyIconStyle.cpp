#include "ui/widgets/LazyIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

// A standard icon made by the base style on its first use, then asked for everything.
class LazyStandardIcon : public QIconEngine {
public:
    LazyStandardIcon(const QStyle* base, QStyle::StandardPixmap which, const QWidget* widget)
        : base_(base), which_(which), widget_(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("LazyStandardIcon"); }
    QIconEngine* clone() const override { return new LazyStandardIcon(*this); }

private:
    const QIcon& icon() {
        if (!made_) {
            made_ = true;
            icon_ = base_->standardIcon(which_, nullptr, widget_.data());
        }
        return icon_;
    }

    const QStyle* base_;
    QStyle::StandardPixmap which_;
    QPointer<const QWidget> widget_;
    bool made_ = false;
    QIcon icon_;
};

}  // namespace

QIcon LazyIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
    // An option tells the style more than the icon's name: such an icon is made at once.
    if (option != nullptr) return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new LazyStandardIcon(baseStyle(), which, widget));
}

bool LazyIconStyle::isFusion(const QStyle* style) {
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
    return style != nullptr && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

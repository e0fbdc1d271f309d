#include "ui/widgets/CachedTextDelegate.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace {

// Lines laid out at most before the store starts anew: the texts of a few leagues.
constexpr int kKeptTexts = 8192;

// The height the style gives a line of text in font: what it centres in a line's place.
int lineHeight(const QFont& font) {
    QTextLayout layout(QStringLiteral("X"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1000);
    layout.endLayout();
    return static_cast<int>(line.height());
}

}  // namespace

const QStaticText& CachedTextDelegate::laidOut(const QString& text, const QFont& font) const {
    if (font != font_ || lineHeight_ < 0 || texts_.size() >= kKeptTexts) {
        texts_.clear();
        texts_.reserve(512);  // a window's first lines come without growing the store step by step
        font_ = font;
        lineHeight_ = lineHeight(font);
    }
    auto it = texts_.find(text);
    if (it == texts_.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        it = texts_.insert(text, laid);
    }
    return *it;
}

bool CachedTextDelegate::drawsPlainLine(const QStyleOptionViewItem& opt, const QStyle* style) const {
    if (style != triedStyle_) {
        plainLineDrawn_.clear();
        triedStyle_ = style;
    }
    const int key = static_cast<int>(opt.state) ^ (static_cast<int>(opt.viewItemPosition) << 28);
    auto it = plainLineDrawn_.find(key);
    if (it == plainLineDrawn_.end()) {
        QImage blank(opt.rect.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::transparent);
        QImage tried = blank;
        {
            QPainter p(&tried);
            QStyleOptionViewItem line = opt;
            line.rect = tried.rect();
            style->drawControl(QStyle::CE_ItemViewItem, &line, &p, opt.widget);
        }
        it = plainLineDrawn_.insert(key, tried != blank);
    }
    return *it;
}

void CachedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyleOptionViewItem::ViewItemFeatures drawnByStyle =
        QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasCheckIndicator;
    const bool plainLine = (opt.features & drawnByStyle) == 0 && !opt.text.isEmpty() &&
                           (opt.state & QStyle::State_HasFocus) == 0 && opt.direction == Qt::LeftToRight &&
                           (opt.displayAlignment & Qt::AlignVertical_Mask) == Qt::AlignVCenter &&
                           (opt.displayAlignment & (Qt::AlignJustify | Qt::AlignAbsolute)) == 0 &&
                           !opt.text.contains(QLatin1Char('\n')) && !opt.text.contains(QChar::LineSeparator);
    if (!plainLine) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = opt.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const QString text = opt.text;
    opt.text.clear();  // the style draws the line's background, selection and focus only
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect place =
        style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(margin, 0, -margin, 0);
    const QStaticText& laid = laidOut(text, opt.font);
    if (laid.size().width() > place.width()) {  // the style shortens or wraps it
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const bool plainLook = (opt.state & (QStyle::State_Selected | QStyle::State_MouseOver)) == 0 &&
                           opt.backgroundBrush.style() == Qt::NoBrush &&
                           (opt.features & QStyleOptionViewItem::Alternate) == 0;
    if (!plainLook || drawsPlainLine(opt, style)) style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    // The text where and in the colour the style puts it.
    QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && (opt.state & QStyle::State_Active) == 0) group = QPalette::Inactive;
    const QPalette::ColorRole role =
        (opt.state & QStyle::State_Selected) != 0 ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setPen(opt.palette.color(group, role));
    painter->setFont(opt.font);
    // The style's layout places a right or centred line in 64ths of a pixel.
    const int spare = place.width() * 64 - qRound(laid.size().width() * 64);
    int shift = 0;
    if ((opt.displayAlignment & Qt::AlignRight) != 0)
        shift = spare;
    else if ((opt.displayAlignment & Qt::AlignHCenter) != 0)
        shift = spare / 2;
    painter->drawStaticText(QPointF(place.left() + shift / 64.0, place.top() + (place.height() - lineHeight_) / 2),
                            laid);
    painter->restore();
}

#pragma once
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Draws the lines of a list or tree as the style draws them, with each line's text laid out once
// and kept: the league's names are drawn again at every scroll, click and open, and laying the
// text out is most of what drawing a line costs. A line with a picture, a check box, several
// lines of text, a text wider than its place (which the style shortens or wraps) or the focus
// (whose frame the style fits to the text) is drawn by the style alone.
class CachedTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // The text laid out in the font of the lines, made on its first drawing; a new font starts
    // the store anew and measures its line height.
    const QStaticText& laidOut(const QString& text, const QFont& font) const;
    // Whether style draws anything for a line in opt's state that is neither selected, under the
    // pointer, tinted nor of alternating colour: tried once for each state, in a blank picture.
    // Most styles draw nothing there, and such lines then skip the style, which costs more than
    // drawing their text does.
    bool drawsPlainLine(const QStyleOptionViewItem& opt, const QStyle* style) const;

    mutable QHash<QString, QStaticText> texts_;
    mutable QFont font_;           // the font they are laid out in
    mutable int lineHeight_ = -1;  // the height of a line in that font
    mutable const QStyle* triedStyle_ = nullptr;
    mutable QHash<int, bool> plainLineDrawn_;  // by the line's state, for triedStyle_
};

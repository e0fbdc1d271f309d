#include "ui/widgets/TextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace {

// Keeps printable ASCII (0x20..0x7E) and drops every other character, typed, pasted or set:
// "A<tab>B" and "A\u00c4B" come in as "AB".
class PrintableAsciiValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        QString kept;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (input[i].unicode() >= 0x20 && input[i].unicode() <= 0x7E)
                kept += input[i];
            else if (i < pos)
                --pos;
        }
        input = kept;
        return Acceptable;
    }
};

}  // namespace

TextBox::TextBox(const QString& name, QWidget* parent) : QLineEdit(parent) { setObjectName(name); }

void TextBox::acceptPrintableAsciiOnly() { setValidator(new PrintableAsciiValidator(this)); }

void TextBox::selectAllOnFocus() { selectsOnFocus_ = true; }

void TextBox::showStored(const QString& text) {
    if (this->text() != text) setText(text);
    shownText_ = this->text();
}

bool TextBox::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(e);
        const QKeyCombination pressed = key->keyCombination();
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            pressed == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
            pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)) {
            e->ignore();  // not the box's: a shortcut of the window may take it
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
    if (selectsOnFocus_) {
        selectAll();
        // The press that brought the focus goes on to place the cursor, dropping the
        // selection; its release selects again.
        focusedByClick_ = e->reason() == Qt::MouseFocusReason;
    }
    emit gotFocus();
}

void TextBox::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (!focusedByClick_) return;
    focusedByClick_ = false;
    if (!hasSelectedText()) selectAll();
}

void TextBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    focusedByClick_ = false;
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
    emit lostFocus();
}

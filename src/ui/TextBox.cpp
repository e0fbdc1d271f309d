#include "ui/TextBox.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

TextBox::TextBox(const QString& name, QWidget* parent) : QLineEdit(parent) { setObjectName(name); }

void TextBox::acceptPrintableAsciiOnly() {
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x20-\\x7E]*")), this));
}

void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
    emit gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
    emit lostFocus();
}

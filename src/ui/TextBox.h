#pragma once
#include <QLineEdit>

// A one-line text box with the focus notifications the editor relies on: gotFocus when it
// takes the focus, lostFocus when another control of the program takes it. Opening a
// menu or switching to another window is not a loss of focus, so a menu command sees the
// text exactly as typed. Focus moves on mouse press, so lostFocus always runs before the
// click handling of the control that took the focus.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString& name, QWidget* parent = nullptr);

    // Takes printable ASCII only, dropping any other character (a pasted tab or line
    // break, a letter beyond ASCII): the game's texts hold nothing else, and any other
    // character could not be written back or carried by the interchange files.
    void acceptPrintableAsciiOnly();
    // Selects the whole text whenever the box takes the focus, by the keyboard or by a
    // click, so that typing replaces it. A click that gives the box the focus selects
    // everything (unless it drags a selection of its own); a click into the box that
    // already has the focus places the cursor as usual.
    void selectAllOnFocus();

signals:
    void gotFocus();
    void lostFocus();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool selectsOnFocus_ = false;
    bool focusedByClick_ = false;  // the focus came with a mouse press not yet released
};

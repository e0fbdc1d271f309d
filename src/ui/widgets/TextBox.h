#pragma once
#include <QLineEdit>

// A one-line text box with the focus notifications the editor relies on: gotFocus when it
// takes the focus, lostFocus when another control of the program takes it. Opening a
// menu or switching to another window is not a loss of focus, so a menu command sees the
// text exactly as typed. Focus moves on mouse press, so lostFocus always runs before the
// click handling of the control that took the focus. The history keys (Undo, Redo) belong
// to the window, whose Undo and Redo store what is typed before they take the league's step:
// the box's own undo of its text would leave the league as it is.
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

    // Shows a value of the league and remembers the text as shown (a maximum length may have
    // cut it), so that a store can tell a text the user changed from the one a refresh put
    // there. A store writes a box only when it was changed, and then keeps the text it wrote.
    void showStored(const QString& text);
    bool changed() const { return text() != shownText_; }
    void keepAsStored() { shownText_ = text(); }

    // Runs what leaving the box runs (lostFocus: its text tidied, some boxes stored), the
    // focus staying where it is: before a command that works on the league.
    void finishEditing() { emit lostFocus(); }

signals:
    void gotFocus();
    void lostFocus();

protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString shownText_;
    bool selectsOnFocus_ = false;
    bool focusedByClick_ = false;  // the focus came with a mouse press not yet released
};

#pragma once
#include <QDialog>
#include <vector>

#include "model/BulkEdit.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class Session;

// Project > Edit Selected Players: one change for each of the fields a season's update
// touches (the six ratings, the three percentages, height in inches, weight, position),
// made to every player selected in the tree at once. Each row keeps its field, sets it to a
// number, adds or subtracts one, by the player editor's own rules (BulkEdit: a rating moves
// in its buttons' steps, a number goes through its box; position takes a code of its list).
// The preview lists each player's old and new value of every field changed, marking the
// values held back by a limit; OK makes it all one step of the history ("Edit 12 Players").
class BulkEditDialog : public QDialog {
    Q_OBJECT
public:
    BulkEditDialog(Session& session, std::vector<Trade::Place> places, QWidget* parent = nullptr);

    // What the rows ask for, in their order; nothing, and why in fault, while a row names no
    // number it can take.
    std::vector<BulkEdit::FieldChange> changes(QString& fault) const;
    // The changes made to the league as one step, then the dialogue closes.
    void accept() override;

    // A field's row: cmbChange_KEY (Keep, Set to, Add, Subtract) and the number txtAmount_KEY,
    // or for the position cmbAmount_pos with the position list.
    struct Row {
        int field = 0;
        QComboBox* cmbChange = nullptr;
        QLineEdit* txtAmount = nullptr;
        QComboBox* cmbAmount = nullptr;
    };
    std::vector<Row> rows;
    QTableWidget* tblPreview = nullptr;
    QLabel* lblSummary = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void addRow(int field, const QString& name);
    void preview();

    Session& session_;
    std::vector<Trade::Place> places_;
};

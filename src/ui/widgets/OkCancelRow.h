#pragma once
#include <QHBoxLayout>
#include <QPushButton>

// The row of OK and Cancel a dialogue ends with: right-aligned, OK the default button, the two
// named cmdOK and cmdCancel. The dialogue places the row and connects the buttons.
struct OkCancelRow {
    explicit OkCancelRow(QWidget* dialog);

    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* layout;
};

#include "ui/widgets/OkCancelRow.h"

OkCancelRow::OkCancelRow(QWidget* dialog)
    : ok(new QPushButton(QStringLiteral("OK"), dialog)),
      cancel(new QPushButton(QStringLiteral("Cancel"), dialog)),
      layout(new QHBoxLayout()) {
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addStretch(1);
    layout->addWidget(ok);
    layout->addWidget(cancel);
}

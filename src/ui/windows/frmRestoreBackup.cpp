#include "ui/windows/frmRestoreBackup.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/LeagueDiff.h"
#include "session/OtherLeague.h"
#include "session/Session.h"

frmRestoreBackup::frmRestoreBackup(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("frmRestoreBackup"));
    setWindowTitle(QStringLiteral("Restore Backup"));
    auto* column = new QVBoxLayout(this);
    lstBackups = new QTreeWidget(this);
    lstBackups->setObjectName(QStringLiteral("lstBackups"));
    lstBackups->setHeaderLabels({QStringLiteral("Taken"), QStringLiteral("Differences")});
    lstBackups->setRootIsDecorated(false);
    lstBackups->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lstBackups->setMinimumWidth(360);
    column->addWidget(lstBackups, 1);

    backups_ = session_.backups().list(session_.path());
    for (const BackupStore::Backup& b : backups_) {
        const OtherLeague other = readOtherLeague(session_, b.path);
        QString count = QString::fromLatin1(message(other.outcome));
        if (other.ok()) {
            const std::size_t n = LeagueDiff::compare(session_.league(), other.league).size();
            count = n == 0 ? QStringLiteral("same as open") : QString::number(n);
        }
        auto* item = new QTreeWidgetItem(lstBackups, {QString::fromStdString(b.time), count});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(0, QString::fromStdString(b.path));
    }
    if (lstBackups->topLevelItemCount() > 0) lstBackups->setCurrentItem(lstBackups->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(this);
    cmdOpen = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::AcceptRole);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setEnabled(!backups_.empty());
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    column->addWidget(buttons);
    connect(cmdOpen, &QPushButton::clicked, this, &frmRestoreBackup::restoreChosen);
    connect(lstBackups, &QTreeWidget::itemDoubleClicked, this, &frmRestoreBackup::restoreChosen);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmRestoreBackup::restoreChosen() {
    const int row = lstBackups->indexOfTopLevelItem(lstBackups->currentItem());
    if (row < 0 || row >= static_cast<int>(backups_.size())) return;
    const OtherLeague other = readOtherLeague(session_, backups_[static_cast<std::size_t>(row)].path);
    if (!other.ok()) return;  // the list says why
    session_.restoreLeague(other.league);
    accept();
}

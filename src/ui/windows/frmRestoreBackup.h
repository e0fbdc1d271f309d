#pragma once
#include <QDialog>
#include <vector>

#include "session/BackupStore.h"

class QPushButton;
class QTreeWidget;
class Session;

// File > Restore Backup...: the backups of the open file, newest first, each with the time it
// was taken and how many league differences it has against the open league (one that cannot
// be read says so). Open (or a double-click) puts the chosen backup's league into the window
// as one step of the history ("Restore Backup"); nothing is written until the user saves.
class frmRestoreBackup : public QDialog {
    Q_OBJECT
public:
    explicit frmRestoreBackup(Session& session, QWidget* parent = nullptr);

    // Controls, named as their objectName.
    QTreeWidget* lstBackups = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void restoreChosen();

    Session& session_;
    std::vector<BackupStore::Backup> backups_;
};

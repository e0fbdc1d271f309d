#pragma once
#include <QObject>
#include <QPointer>
#include <QString>

class CommandRunner;
class FileDialogs;
class MessageSink;
class QWidget;
class Session;
class frmCompare;

// The File menu's commands that bring in what another league holds: Compare With... (an image
// of the same edition or a project file, in the compare window) and Restore Backup... (a
// backup of the open file, as one step). The other file is only read; a file that cannot be
// read, or an image of the other edition, is refused with its message and opens nothing.
class CompareCommands : public QObject {
    Q_OBJECT
public:
    CompareCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, CommandRunner& runner,
                    QWidget* window);

    void setDialogFolder(const QString& folder) { folder_ = folder; }
    void compareWith();
    void restoreBackup();
    // The compare window open; null when none is.
    frmCompare* compareWindow() const { return compare_; }

signals:
    // A double-click in the compare window on a team's or a player's line.
    void teamRequested(int team);
    void playerRequested(int team, int player);

private:
    Session& session_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
    CommandRunner& runner_;
    QWidget* window_;
    QString folder_;
    QPointer<frmCompare> compare_;
};

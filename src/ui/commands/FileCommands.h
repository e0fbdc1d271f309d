#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "base/ResultCode.h"
#include "ui/commands/RecentFiles.h"

class CommandRunner;
class FileChangeWatch;
class FileDialogs;
class MessageSink;
class QWidget;
class Session;
enum class BackupChoice;
struct MainMenus;
struct SaveResult;

// The File menu's commands on the session's image: opening a ROM (through the open
// dialogue, by a name from the command line or a drop, from the Open Recent list), Save,
// Save As, and the question about unsaved edits that comes before anything that would
// drop them. Each open and save ends in the one message of its outcome, with the warning
// icon for a failure and the information icon for a success; a save refused because
// another program changed the file asks instead (FileChangeWatch). Every ROM opened (or saved
// as) goes to the top of the recent list. They run through the window's command runner, which
// has stored what the controls hold before any of them starts.
class FileCommands : public QObject {
    Q_OBJECT
public:
    // runner runs the entries of the Open Recent list.
    FileCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, MainMenus& menus, CommandRunner& runner,
                 QWidget* window);

    // The folder every dialogue starts in.
    void setDialogFolder(const QString& folder) { folder_ = folder; }
    // The recent list, kept in RecentFiles::defaultFile().
    const RecentFiles& recent() const { return recent_; }

    // File > Open...: the edition from the chosen filter line, or from the file name.
    void open();
    // A file named on the command line or dropped onto the window: the edition from its
    // extension (.nes, .smc); any other name is refused with "Invalid rom!".
    void openNamed(const QString& path);
    // An entry of the recent list; a file that no longer exists leaves the list with a
    // message and opens nothing.
    void openRecent(const RecentFiles::Entry& entry);
    void save();
    // Writes the image to a file chosen in the save dialogue (SaveDialog), with the filter
    // of the open edition; that file becomes the one the window edits.
    void saveAs();

    // While the league holds edits not saved, asks "Save changes to game.nes?": Save saves (and a failed save, with its
    // message, keeps everything as it is), Discard goes on, Cancel stops. True to go on; without unsaved edits it asks
    // nothing and is true. Edits discarded for an open that then fails are dropped all the same: the league is the file
    // as last saved.
    bool settleUnsavedEdits();

signals:
    // A file was opened or saved as: the caption names it.
    void fileNamed(const QString& fileName);
    // An open failed: the file open before stays open.
    void openFailed();
    // The recent list may have changed.
    void recentChanged();

private:
    void openPath(const QString& path, ConsoleKind kind);
    void showSaveResult(const SaveResult& result);
    // Runs the write keeping a backup; when the backup cannot be written, asks whether to go on
    // without one and writes again if so. declined: the user answered No (the file is as it was,
    // and nothing more is to be said).
    SaveResult writeWithBackup(const std::function<SaveResult(BackupChoice)>& write, bool& declined);
    void fillRecentMenu();

    Session& session_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
    MainMenus& menus_;
    CommandRunner& runner_;
    QWidget* window_;
    QString folder_;
    RecentFiles recent_;
    std::optional<QList<RecentFiles::Entry>> recentShown_;  // the list the menu shows
    FileChangeWatch* changes_ = nullptr;                    // a save refused for another program's change
    bool discarded_ = false;  // the last question about unsaved edits was answered Discard
};

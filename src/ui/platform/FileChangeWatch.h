#pragma once
#include <QFileSystemWatcher>
#include <QObject>
#include <functional>

class MessageSink;
class QWidget;
class Session;

// Another program and the open image: while a league is open, a change of its file on disk
// that this window did not make is told once ("The file was changed by another program!"
// with the file); the session's own saves are not, since the file then is the one the
// session last wrote. A save refused because of such a change (SaveOutcome::FileChanged)
// is settled by the user's choice: Save As, Reload (the file as it now is, the edits
// dropped) or Cancel.
class FileChangeWatch : public QObject {
    Q_OBJECT
public:
    // saveAs runs the window's Save As; reload opens the session's file again.
    FileChangeWatch(Session& session, MessageSink& messages, QWidget* window, std::function<void()> saveAs,
                    std::function<void()> reload);
    ~FileChangeWatch() override;
    FileChangeWatch(const FileChangeWatch&) = delete;
    FileChangeWatch& operator=(const FileChangeWatch&) = delete;

    // Asks what to do about a save refused because the file changed, and does it. True
    // when the league was then saved (as another file).
    bool settleRefusedSave();

private:
    // Watches the session's file (and its folder, where a replacement arrives) afresh.
    void watch();
    void changedOnDisk();

    Session& session_;
    MessageSink& messages_;
    QWidget* window_;
    std::function<void()> saveAs_;
    std::function<void()> reload_;
    QFileSystemWatcher watcher_;
    int observer_ = 0;
    bool told_ = false;  // the change was told since the file was last opened or saved
};

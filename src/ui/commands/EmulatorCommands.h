#pragma once
#include <QObject>
#include <QString>
#include <memory>

#include "base/RomImage.h"

class FileDialogs;
class MessageSink;
class ProgramStarter;
class QTemporaryDir;
class QWidget;
class Session;

// Tools > Test in Emulator and Tools > Emulators...: the league as Save would write it, the
// unsaved edits included, goes into a temporary image, and the emulator chosen for the
// edition plays it; the user's file is not touched. The temporary image keeps one name per
// open file (the file's name, in a folder named as its backups' folder is) inside one private
// temporary folder, so that what an emulator keeps beside an image carries over between
// tries; that folder goes when the editor closes. A league that does not fit gives Save's
// message and starts nothing; a program that cannot start, or ends with a failure within
// kWatchMs, is told with its command line and the last lines it printed.
class EmulatorCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kWatchMs = 2000;

    EmulatorCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, ProgramStarter& programs,
                     QWidget* window);
    ~EmulatorCommands() override;

    // F5: writes the image and starts the edition's emulator; the first time, with none
    // chosen, the Emulators dialogue comes first.
    void testInEmulator();
    // The Emulators dialogue, on the edition's row; true when it was closed with OK.
    bool chooseEmulators(ConsoleKind edition);
    // The temporary image of the file open; empty before the first test.
    QString temporaryImage() const;

private:
    bool writeTemporaryImage(QString& written);

    Session& session_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
    ProgramStarter& programs_;
    QWidget* window_;
    std::unique_ptr<QTemporaryDir> folder_;
};

#pragma once
#include <QString>

class QWidget;
class FileDialogs;
class MessageSink;
class Session;

// File > Export Patch: the edits since the image was opened or last saved, as an IPS or
// BPS patch. The patch turns the image as it was opened or last saved (the session's
// baseline) into the image that saving now would write; the ROM file and the session stay
// as they are. The league is encoded first: when it does not fit, the command shows the
// message that Save would show and asks for no file. The save dialogue offers "BPS Patch"
// first and "IPS Patch"; the chosen line gives the format, and a name that does not end in
// that format's extension gets it, so that the patch never lands on the image it patches.
class PatchExport {
public:
    // folder is the window's dialogue folder, read each time the command runs.
    PatchExport(const Session& session, MessageSink& messages, FileDialogs& dialogs, const QString& folder,
                QWidget* parent);

    void run();

private:
    const Session& session_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
    const QString& folder_;
    QWidget* parent_;
};

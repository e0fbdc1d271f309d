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
// first and "IPS Patch". A name typed with the extension .ips or .bps gives the format; any
// other name gets the extension of the chosen line, which then gives it, so that the patch
// never lands on the image it patches.
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

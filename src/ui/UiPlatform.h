#pragma once
#include <QString>

class QWidget;

// The platform seams of the editor: message boxes, file dialogues and the settings
// question. The window uses the Qt implementations; tests install their own answers.

// The caption of every message box and the window's own title.
inline const QString kAppTitle = QStringLiteral("Tamsel v0.21.0");

class MessageSink {
public:
    // Information for a success, Exclamation (the warning icon) for a failure.
    enum class Icon { None, Information, Exclamation };
    // The answers to the question about unsaved edits.
    enum class SaveAnswer { Save, Discard, Cancel };
    // The answers to a save refused because another program changed the file.
    enum class ChangedAnswer { SaveAs, Reload, Cancel };
    virtual ~MessageSink() = default;
    // One message box with an OK button only and the title "Tamsel v0.21.0". A detail (the
    // cause of a failed write, the region that does not fit the image) goes below the
    // text, which stays as it is.
    virtual void message(QWidget* parent, const QString& text, Icon icon, const QString& detail = QString()) = 0;
    // A Yes/No question with the exclamation icon; true for Yes. Escape and the close box
    // answer No.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // "Save changes to game.nes?" with Save, Discard and Cancel and the question icon;
    // Escape and the close box answer Cancel.
    virtual SaveAnswer askSaveChanges(QWidget* parent, const QString& text) = 0;
    // The text with the detail below it, the warning icon and the buttons "Save As...",
    // "Reload" and "Cancel"; Escape and the close box answer Cancel.
    virtual ChangedAnswer askFileChanged(QWidget* parent, const QString& text, const QString& detail) = 0;
};

// The icon of an outcome's message: the warning icon for a failure, else information.
inline MessageSink::Icon iconFor(bool failure) {
    return failure ? MessageSink::Icon::Exclamation : MessageSink::Icon::Information;
}

// The chosen file (empty after cancel) and the 1-based index of the chosen filter line.
struct FileChoice {
    QString fileName;
    int filterIndex = 1;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // filter uses the "description|pattern|description|pattern|" form of the file filters.
    virtual FileChoice openFile(QWidget* parent, const QString& filter, const QString& initialFolder) = 0;
    virtual FileChoice saveFile(QWidget* parent, const QString& filter, const QString& initialFolder) = 0;
};

class QtMessageSink : public MessageSink {
public:
    void message(QWidget* parent, const QString& text, Icon icon, const QString& detail = QString()) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    SaveAnswer askSaveChanges(QWidget* parent, const QString& text) override;
    ChangedAnswer askFileChanged(QWidget* parent, const QString& text, const QString& detail) override;
};

class QtFileDialogs : public FileDialogs {
public:
    FileChoice openFile(QWidget* parent, const QString& filter, const QString& initialFolder) override;
    FileChoice saveFile(QWidget* parent, const QString& filter, const QString& initialFolder) override;
};

// Turns a "desc|pattern|desc|pattern|" filter into Qt's "desc (pattern);;..." list.
QStringList qtFilterList(const QString& filter);

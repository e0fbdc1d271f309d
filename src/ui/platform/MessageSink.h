#pragma once
#include <QString>

class QWidget;

// The editor's message boxes and questions, behind a seam: the window uses the Qt
// message boxes; tests install their own answers.

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
    // The same question with a detail below the text (why something failed), the warning icon
    // and the buttons Yes and No.
    virtual bool askGoOn(QWidget* parent, const QString& text, const QString& detail) {
        return askYesNo(parent, detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail);
    }
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

class QtMessageSink : public MessageSink {
public:
    void message(QWidget* parent, const QString& text, Icon icon, const QString& detail = QString()) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    bool askGoOn(QWidget* parent, const QString& text, const QString& detail) override;
    SaveAnswer askSaveChanges(QWidget* parent, const QString& text) override;
    ChangedAnswer askFileChanged(QWidget* parent, const QString& text, const QString& detail) override;
};

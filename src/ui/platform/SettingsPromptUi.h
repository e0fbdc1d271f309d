#pragma once
#include "settings/Settings.h"
#include "ui/platform/MessageSink.h"

class QWidget;

// Puts the settings file's question and warning to the user through the window's
// message boxes.
class SettingsPromptUi : public SettingsPrompt {
public:
    SettingsPromptUi(MessageSink& messages, QWidget* parent) : messages_(messages), parent_(parent) {}
    // "Error loading tamsel.ini! Create a default tamsel.ini file?" with Yes and No.
    bool askCreateDefault() override;
    // "Unable to save tamsel.ini." with the exclamation icon.
    void reportSaveFailed() override;

private:
    MessageSink& messages_;
    QWidget* parent_;
};

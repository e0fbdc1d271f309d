#include "ui/platform/SettingsPromptUi.h"

bool SettingsPromptUi::askCreateDefault() {
    return messages_.askYesNo(parent_, QString::fromLatin1(Settings::kLoadQuestion));
}

void SettingsPromptUi::reportSaveFailed() {
    messages_.message(parent_, QString::fromLatin1(Settings::kSaveFailed), MessageSink::Icon::Exclamation);
}

#pragma once
#include "settings/Settings.h"

namespace testsupport {

// Answers the question about a default settings file with Yes or No and counts both messages.
struct CountingPrompt : SettingsPrompt {
    explicit CountingPrompt(bool yes) : yes(yes) {}
    bool askCreateDefault() override {
        ++questions;
        return yes;
    }
    void reportSaveFailed() override { ++saveFailures; }
    bool yes;
    int questions = 0;
    int saveFailures = 0;
};

}  // namespace testsupport

#pragma once
#include <string>

#include "settings/Settings.h"

namespace settingstest {

// Stands in for the two message boxes of the settings file: answers the question with a
// fixed Yes or No and counts how often each message came up.
class RecordingPrompt : public SettingsPrompt {
public:
    explicit RecordingPrompt(bool answerYes) : answerYes_(answerYes) {}
    bool askCreateDefault() override {
        ++questions;
        return answerYes_;
    }
    void reportSaveFailed() override { ++saveFailures; }

    int questions = 0;
    int saveFailures = 0;

private:
    bool answerYes_;
};

// The settings file with the default offsets as the program writes it, spelled out by hand:
// the folder line, 16 NES and 16 SNES offsets, a blank before each non-negative number.
inline std::string defaultSettingsText(const std::string& folder) {
    return folder +
           "\r\n 32785\r\n 32891\r\n-1\r\n 40601\r\n 39806\r\n 39864\r\n 40123\r\n 40181\r\n 58432\r\n 58261"
           "\r\n 62783\r\n 59950\r\n 121868\r\n 32843\r\n 52785\r\n 43624"
           "\r\n 267146\r\n 267308\r\n 294096\r\n 275043\r\n 274224\r\n 274282\r\n 274541\r\n 274599\r\n 23392"
           "\r\n 23221\r\n 277311\r\n 288999\r\n 319488\r\n 267204\r\n 18725\r\n 263792\r\n";
}

}  // namespace settingstest

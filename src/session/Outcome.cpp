#include "session/Outcome.h"

const char* message(LoadOutcome outcome) {
    switch (outcome) {
        case LoadOutcome::Loaded:
            return "File successfully loaded!";
        case LoadOutcome::FileUnreadable:
            return "Error loading file!";
        case LoadOutcome::NotThisEdition:
            return "Invalid rom!";
        case LoadOutcome::DataUnreadable:
            return "Error reading data!";
        case LoadOutcome::UnknownReadError:
            break;
    }
    return "Unknown Error!";
}

const char* message(SaveOutcome outcome) {
    switch (outcome) {
        case SaveOutcome::Saved:
            return "File successfully saved!";
        case SaveOutcome::AbbreviationsTooLong:
            return "Abbreviations are too long!";
        case SaveOutcome::CitiesTooLong:
            return "City names are too long!";
        case SaveOutcome::MascotsTooLong:
            return "Mascot names are too long!";
        case SaveOutcome::PlayersTooLong:
            return "Player names are too long!";
        case SaveOutcome::WriteFailed:
            return "Error writing to disk!";
        case SaveOutcome::NoValidRom:
            return "Load a valid rom!";
        case SaveOutcome::FileChanged:
            return "The file was changed by another program!";
        case SaveOutcome::BackupFailed:
            return "Error writing the backup!";
        case SaveOutcome::EncodeFailed:
            break;
    }
    return "Unknown error!";
}

bool isFailure(LoadOutcome outcome) { return outcome != LoadOutcome::Loaded; }
bool isFailure(SaveOutcome outcome) { return outcome != SaveOutcome::Saved; }

LoadOutcome loadOutcomeOfRead(ResultCode readResult) {
    switch (readResult) {
        case 0:
            return LoadOutcome::Loaded;
        case 1:
            return LoadOutcome::FileUnreadable;
        case 2:
            return LoadOutcome::NotThisEdition;
        default:
            return LoadOutcome::UnknownReadError;
    }
}

SaveOutcome saveOutcomeOfEncode(ResultCode encodeResult) {
    if (encodeResult >= 0 && encodeResult <= 5) return static_cast<SaveOutcome>(encodeResult);
    return SaveOutcome::EncodeFailed;
}

#include "session/OtherLeague.h"

#include "base/RomImage.h"
#include "codec/OffsetCheck.h"
#include "codec/RomReader.h"
#include "interchange/ProjectFile.h"

namespace {

bool isProjectFile(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".tpr";
}

const char* editionName(ConsoleKind kind) { return kind == Console::Nes ? "NES" : "SNES"; }

}  // namespace

const char* message(OtherLeagueOutcome outcome) {
    switch (outcome) {
        case OtherLeagueOutcome::Read:
            return "File successfully loaded!";
        case OtherLeagueOutcome::FileUnreadable:
            return "Error loading file!";
        case OtherLeagueOutcome::NotThisEdition:
            return "Invalid rom!";
        case OtherLeagueOutcome::OtherEdition:
            return "Image of the other edition!";
        case OtherLeagueOutcome::DataUnreadable:
            return "Error reading data!";
        case OtherLeagueOutcome::FileRefused:
            break;
    }
    return "Error reading file!";
}

OtherLeague readOtherLeague(const Session& open, const std::string& path) {
    OtherLeague other;
    other.league = open.league();
    if (isProjectFile(path)) {
        LineReport report;
        if (ProjectFile::importProject(other.league, path, report) != Result::Ok)
            other = {OtherLeagueOutcome::FileRefused, report.text(), {}};
        return other;
    }
    RomImage image;
    const ConsoleKind kind = open.kind();
    FileIO::FileStamp stamp;
    FileIO::FileError why;
    const ResultCode read = RomFile::readRomFile(path, kind, image, stamp, why);
    if (read == 1) return {OtherLeagueOutcome::FileUnreadable, why.text(), {}};
    if (read != Result::Ok) {
        const ConsoleKind otherKind = kind == Console::Nes ? Console::Snes : Console::Nes;
        if (!RomFile::checkConsole(image, otherKind)) return {OtherLeagueOutcome::NotThisEdition, {}, {}};
        return {OtherLeagueOutcome::OtherEdition,
                std::string("an ") + editionName(otherKind) + " image beside an " + editionName(kind) + " league",
                {}};
    }
    if (loadProjectFromRom(other.league, image, open.activeOffsets(), kind) != Result::Ok)
        return {OtherLeagueOutcome::DataUnreadable,
                OffsetCheck::check(open.activeOffsets(), kind, static_cast<std::int64_t>(image.size())).describe(),
                {}};
    return other;
}

#include "cli/CliSupport.h"

#include <ostream>

#include "codec/AllStarCheck.h"
#include "codec/OffsetCheck.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "base/FileIO.h"
#include "settings/Settings.h"
#include "session/modGlobals.h"

namespace cli {

bool parseOptions(const std::vector<std::string>& args, Options& out, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--nes") {
            out.forcedKind = Console::Nes;
        } else if (a == "--snes") {
            out.forcedKind = Console::Snes;
        } else if (a == "--by-position") {
            out.byPosition = true;
        } else if (a == "--settings" || a == "-o") {
            if (i + 1 >= args.size()) {
                error = a + " needs a file name";
                return false;
            }
            (a == "-o" ? out.output : out.settingsFile) = args[++i];
        } else if (a == "--rom" || a == "--team" || a == "--player") {
            if (i + 1 >= args.size()) {
                error = a + (a == "--rom" ? " needs a file name" : " needs a number");
                return false;
            }
            (a == "--rom" ? out.rom : a == "--team" ? out.team : out.player) = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return false;
        } else {
            out.positional.push_back(a);
        }
    }
    return true;
}

bool offsetsFor(const Options& opts, ConsoleKind kind, OffsetSet& out, std::string& error) {
    SettingsData data;
    if (!opts.settingsFile.empty()) {
        // A settings file named on the command line is used or the command fails: falling
        // back to the defaults would save through offsets the user did not ask for.
        LineReport report;
        if (Settings::readFile(opts.settingsFile, data, report) != Result::Ok) {
            error = "Error loading " + opts.settingsFile + "! (" + report.text() + ")";
            return false;
        }
    } else if (Settings::readFile(modGlobals::settingsPath(), data) != Result::Ok) {
        data = SettingsData{};
    }
    out = kind == Console::Nes ? data.nesOffsets : data.snesOffsets;
    return true;
}

ConsoleKind kindFor(const Options& opts, const std::string& path) {
    if (opts.forcedKind != Console::None) return opts.forcedKind;
    return RomFile::kindFromFileName(path);
}

bool loadRom(const Options& opts, const std::string& path, LoadedRom& rom, std::ostream& err) {
    rom.path = path;
    rom.kind = kindFor(opts, path);
    std::string error;
    if (!offsetsFor(opts, rom.kind, rom.offsets, error)) {
        err << error << "\n";
        return false;
    }
    ResultCode r = RomFile::readRomFile(path, rom.kind, rom.image);
    if (r != Result::Ok) {
        err << (r == 1 ? "Error loading file!" : r == 2 ? "Invalid rom!" : "Unknown Error!") << "\n";
        return false;
    }
    if (loadProjectFromRom(rom.project, rom.image, rom.offsets, rom.kind) != Result::Ok) {
        err << "Error reading data!" << withDetail(offsetProblem(rom)) << "\n";
        return false;
    }
    return true;
}

const char* saveMessage(ResultCode encodeResult) {
    switch (encodeResult) {
        case 0: return "File successfully saved!";
        case 2: return "Abbreviations are too long!";
        case 3: return "City names are too long!";
        case 4: return "Mascot names are too long!";
        case 5: return "Player names are too long!";
        default: return "Unknown error!";
    }
}

std::string withDetail(const std::string& detail) { return detail.empty() ? std::string() : " (" + detail + ")"; }

std::string offsetProblem(const LoadedRom& rom) {
    return OffsetCheck::check(rom.offsets, rom.kind, static_cast<std::int64_t>(rom.image.size())).describe();
}

int saveRom(const Options& opts, LoadedRom& rom, std::ostream& out, std::ostream& err) {
    ResultCode r = saveProjectToRom(rom.project, rom.image, rom.offsets, rom.kind);
    if (r != Result::Ok) {
        err << saveMessage(r) << (r == Result::Failed ? withDetail(offsetProblem(rom)) : std::string()) << "\n";
        // The editor's message says nothing more; name the slots that stop the save.
        if (r == Result::Failed)
            for (const AllStarCheck::Problem& p : AllStarCheck::findProblems(rom.project)) err << AllStarCheck::describe(p) << "\n";
        return kExitFailure;
    }
    FileIO::WriteError why;
    ResultCode w = opts.output.empty()
                       ? RomFile::writeRomFile(rom.path, rom.image, why)
                       : FileIO::writeFileAtomically(opts.output, rom.image.data(), rom.image.size(), false, why);
    if (w != Result::Ok) {
        err << "Error writing to disk!" << withDetail(why.text()) << "\n";
        return kExitFailure;
    }
    out << saveMessage(0) << "\n";
    return kExitOk;
}

bool parseIndex(const std::string& text, int lo, int hi, int& out) {
    if (text.empty() || text.size() > 9) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

}  // namespace cli

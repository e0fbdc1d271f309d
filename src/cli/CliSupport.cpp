#include "cli/CliSupport.h"

#include <ostream>

#include "base/Platform.h"
#include "base/RomImage.h"
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
        } else if (a == "--csv") {
            out.csv = true;
        } else if (a == "--dry-run") {
            out.dryRun = true;
        } else if (a == "--no-backup") {
            out.noBackup = true;
        } else if (a == "--only" || a == "--set" || a == "--settings" || a == "-o" || a == "--rom" || a == "--team" ||
                   a == "--player") {
            // An empty value is no value: "-o $OUT" with OUT unset must not write over ROM.
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = a + (a == "--only"                      ? " needs a pattern"
                             : a == "--set"                     ? " needs FIELD=VALUE, +N or -N"
                             : a == "--team" || a == "--player" ? " needs a number"
                                                                : " needs a file name");
                return false;
            }
            if (a == "--only" || a == "--set") {
                (a == "--only" ? out.only : out.sets).push_back(args[++i]);
                continue;
            }
            std::string& value = a == "-o"           ? out.output
                                 : a == "--settings" ? out.settingsFile
                                 : a == "--rom"      ? out.rom
                                 : a == "--team"     ? out.team
                                                     : out.player;
            value = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return false;
        } else {
            out.positional.push_back(a);
        }
    }
    return true;
}

bool settingsFor(const Options& opts, SettingsData& out, std::string& error) {
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
    out = data;
    return true;
}

ConsoleKind kindFor(const Options& opts, const std::string& path) {
    if (opts.forcedKind != Console::None) return opts.forcedKind;
    return RomFile::kindFromFileName(path);
}

bool loadRom(const Options& opts, const std::string& path, Session& session, std::ostream& err) {
    std::string error;
    if (!settingsFor(opts, session.settings(), error)) {
        err << error << "\n";
        return false;
    }
    const LoadResult r = session.open(path, kindFor(opts, path));
    if (!r.ok()) {
        err << message(r.outcome) << withDetail(r.detail) << "\n";
        return false;
    }
    return true;
}

std::string withDetail(const std::string& detail) { return detail.empty() ? std::string() : " (" + detail + ")"; }

bool writesInPlace(const Options& opts, const std::string& rom) {
    return opts.output.empty() || FileIO::fullPath(opts.output) == FileIO::fullPath(rom);
}

BackupStore backupStore() { return BackupStore(modGlobals::backupFolder()); }

namespace {

void backupRefused(const std::string& detail, std::ostream& err) {
    err << message(SaveOutcome::BackupFailed) << withDetail(detail)
        << "\nNothing was written; --no-backup writes without keeping a backup.\n";
}

}  // namespace

bool keepBackup(const Options& opts, const std::string& rom, const std::vector<std::uint8_t>& bytes,
                std::ostream& err) {
    FileIO::FileError why;
    if (opts.noBackup || backupStore().keep(rom, bytes, Platform::localTimeNow(), why) == Result::Ok) return true;
    backupRefused(why.text(), err);
    return false;
}

bool readInput(const std::string& path, std::vector<std::uint8_t>& bytes, FileIO::FileStamp& stamp, std::ostream& err) {
    FileIO::FileError why;
    if (FileIO::readWholeFile(path, bytes, stamp, why) == Result::Ok) return true;
    err << message(LoadOutcome::FileUnreadable) << withDetail(why.text()) << "\n";
    return false;
}

bool writeWhole(const std::string& path, const std::vector<std::uint8_t>& bytes, FileIO::FileStamp& stamp,
                const std::string& changedName, std::ostream& err) {
    FileIO::WriteError why;
    const ResultCode written = FileIO::writeFileIfUnchanged(path, bytes.data(), bytes.size(), false, stamp, why);
    if (written == FileIO::kChangedOnDisk) err << message(SaveOutcome::FileChanged) << withDetail(changedName) << "\n";
    if (written != Result::Ok && written != FileIO::kChangedOnDisk)
        err << message(SaveOutcome::WriteFailed) << withDetail(why.text()) << "\n";
    return written == Result::Ok;
}

int saveRom(const Options& opts, Session& session, std::ostream& out, std::ostream& err) {
    session.setBackups(writesInPlace(opts, session.path()) && !opts.noBackup ? backupStore() : BackupStore());
    const SaveResult r = opts.output.empty() ? session.save() : session.saveAs(opts.output);
    if (r.outcome == SaveOutcome::BackupFailed) {
        backupRefused(r.detail, err);
        return kExitFailure;
    }
    if (!r.ok()) {
        err << message(r.outcome) << withDetail(r.detail) << "\n";
        // The editor's message says nothing more; name the slots that stop the save.
        for (const std::string& slot : r.damagedSlots) err << slot << "\n";
        return kExitFailure;
    }
    out << message(r.outcome) << "\n";
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

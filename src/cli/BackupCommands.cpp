// tamsel-cli backups and restore: the earlier contents of a ROM file that every write over it
// keeps, listed, and one of them written back.
#include <ostream>

#include "base/RomImage.h"
#include "cli/CliCommand.h"

namespace cli {
namespace {

int runBackups(const Options& opts, std::ostream& out, std::ostream&) {
    for (const BackupStore::Backup& b : backupStore().list(opts.positional[0]))
        out << b.time << "  " << b.path << "  " << b.size << "\n";
    return kExitOk;
}

// The backup is written back byte for byte, the bytes outside the league included. Only an
// image of ROM's edition is taken: any other file written over ROM would only damage it.
int runRestore(const Options& opts, std::ostream& out, std::ostream& err) {
    const std::string& rom = opts.positional[0];
    const std::string& backup = opts.positional[1];
    std::vector<std::uint8_t> bytes, current;
    FileIO::FileStamp stamp;
    if (!readInput(backup, bytes, stamp, err)) return kExitFailure;
    if (!RomFile::checkConsole(bytes, kindFor(opts, rom))) {
        err << message(LoadOutcome::NotThisEdition) << withDetail(backup) << "\n";
        return kExitFailure;
    }
    stamp = {};
    if (writesInPlace(opts, rom) && FileIO::fileSize(rom) &&
        (!readInput(rom, current, stamp, err) || !keepBackup(opts, rom, current, err)))
        return kExitFailure;
    if (!writeWhole(opts.output.empty() ? rom : opts.output, bytes, stamp, rom, err)) return kExitFailure;
    out << "Backup restored!\n";
    return kExitOk;
}

}  // namespace

std::vector<Command> backupCommands() {
    return {
        {"backups", "ROM",
         "list the backups kept of ROM, newest first: the local time each was taken, its file and its size", 1,
         runBackups},
        {"restore", "ROM BACKUP [-o OUT]",
         "write the image BACKUP (a file that backups lists) back over ROM whole, keeping a backup of ROM first", 2,
         runRestore},
    };
}

}  // namespace cli

// tamsel-cli make-patch and apply-patch: a league shared as an IPS or BPS patch between
// two images, and such a patch applied to an image.
#include <cstdint>
#include <ostream>
#include <vector>

#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "patch/PatchFormat.h"

namespace cli {
namespace {

// Reads a whole file; on failure prints the load message naming it.
bool readInput(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err) {
    if (FileIO::readWholeFile(path, bytes) == Result::Ok) return true;
    err << "Error loading file! (" << path << ")\n";
    return false;
}

// The patch module's sentences end in "!" here, as every message of the editor does.
int refused(patch::PatchResult r, std::ostream& err) {
    err << patch::message(r) << "!\n";
    return kExitFailure;
}

int runMakePatch(const Options& opts, std::ostream& out, std::ostream& err) {
    const std::string& outPath = opts.positional[2];
    const patch::PatchFormat format = patch::formatOfFileName(outPath);
    if (format == patch::PatchFormat::Unknown) {
        err << "tamsel-cli make-patch: OUT must end in .ips or .bps\n";
        return kExitUsage;
    }
    std::vector<std::uint8_t> original, modified, bytes;
    if (!readInput(opts.positional[0], original, err) || !readInput(opts.positional[1], modified, err))
        return kExitFailure;
    const patch::PatchResult r = patch::makePatch(format, original, modified, bytes);
    if (r != patch::PatchResult::Ok) return refused(r, err);
    FileIO::WriteError why;
    if (FileIO::writeFileAtomically(outPath, bytes.data(), bytes.size(), false, why) != Result::Ok) {
        err << "Error writing file!" << withDetail(why.text()) << "\n";
        return kExitFailure;
    }
    out << "Patch exported!\n";
    return kExitOk;
}

int runApplyPatch(const Options& opts, std::ostream& out, std::ostream& err) {
    const std::string& romPath = opts.positional[0];
    std::vector<std::uint8_t> source, patchBytes, target;
    if (!readInput(romPath, source, err) || !readInput(opts.positional[1], patchBytes, err)) return kExitFailure;
    const patch::PatchResult r = patch::applyPatch(source, patchBytes, target);
    if (r != patch::PatchResult::Ok) return refused(r, err);
    // The patched image replaces the file whole: a patch that shortens it leaves no old tail.
    FileIO::WriteError why;
    const std::string& outPath = opts.output.empty() ? romPath : opts.output;
    if (FileIO::writeFileAtomically(outPath, target.data(), target.size(), false, why) != Result::Ok) {
        err << "Error writing to disk!" << withDetail(why.text()) << "\n";
        return kExitFailure;
    }
    out << "Patch applied!\n";
    return kExitOk;
}

}  // namespace

std::vector<Command> patchCommands() {
    return {
        {"make-patch", "ORIGINAL MODIFIED OUT",
         "write the patch turning image ORIGINAL into MODIFIED to OUT, an IPS or BPS patch as OUT ends in .ips or .bps",
         3, runMakePatch},
        {"apply-patch", "ROM PATCH [-o OUT]",
         "apply an IPS or BPS patch (known by its first bytes) to ROM; a patch made for another image writes nothing",
         2, runApplyPatch},
    };
}

}  // namespace cli

// tamsel-cli make-patch and apply-patch: a league shared as an IPS or BPS patch between
// two images, and such a patch applied to an image.
#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "patch/PatchFormat.h"

namespace cli {
namespace {

// An image or patch read whole; the load message when it cannot be.
bool readBytes(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err) {
    FileIO::FileStamp ignored;
    return readInput(path, bytes, ignored, err);
}

// The patch module's sentences end in "!" here, as every message of the editor does.
int refused(patch::PatchResult r, std::ostream& err) {
    err << patch::message(r) << "!\n";
    return kExitFailure;
}

// Whether the image at path is small enough for the format (Unknown: for applying a patch),
// known before it is read; r says why not.
bool fitsFormat(patch::PatchFormat format, const std::string& path, patch::PatchResult& r) {
    const std::optional<std::uint64_t> size = FileIO::fileSize(path);
    r = size ? patch::checkImageSize(format, *size) : patch::PatchResult::Ok;
    return r == patch::PatchResult::Ok;
}

int runMakePatch(const Options& opts, std::ostream& out, std::ostream& err) {
    const std::string& outPath = opts.positional[2];
    const patch::PatchFormat format = patch::formatOfFileName(outPath);
    if (format == patch::PatchFormat::Unknown) {
        err << "tamsel-cli make-patch: OUT must end in .ips or .bps\n";
        return kExitUsage;
    }
    patch::PatchResult r = patch::PatchResult::Ok;
    if (!fitsFormat(format, opts.positional[0], r) || !fitsFormat(format, opts.positional[1], r))
        return refused(r, err);
    std::vector<std::uint8_t> original, modified, bytes;
    if (!readBytes(opts.positional[0], original, err) || !readBytes(opts.positional[1], modified, err))
        return kExitFailure;
    r = patch::makePatch(format, original, modified, bytes);
    if (r != patch::PatchResult::Ok) return refused(r, err);
    FileIO::WriteError why;
    if (FileIO::writeFileAtomically(outPath, bytes.data(), bytes.size(), false, why) != Result::Ok) {
        err << "Error writing file!" << withDetail(why.text()) << "\n";
        return kExitFailure;
    }
    out << "Patch exported!\n";
    return kExitOk;
}

// Written over ROM only while it is still the file read; an IPS patch, which carries no
// checksum, is applied to any image, with a caution for each sign that it was made for
// another one.
int runApplyPatch(const Options& opts, std::ostream& out, std::ostream& err) {
    const std::string& romPath = opts.positional[0];
    std::vector<std::uint8_t> source, patchBytes, target;
    FileIO::FileStamp stamp;
    patch::PatchResult r = patch::PatchResult::Ok;
    if (!fitsFormat(patch::PatchFormat::Unknown, romPath, r)) return refused(r, err);
    if (!readInput(romPath, source, stamp, err) || !readBytes(opts.positional[1], patchBytes, err)) return kExitFailure;
    r = patch::applyPatch(source, patchBytes, target);
    if (r != patch::PatchResult::Ok) return refused(r, err);
    // The patched image replaces the file whole: a patch that shortens it leaves no old tail.
    const bool inPlace = writesInPlace(opts, romPath);
    if (!inPlace) stamp = {};
    if (inPlace && !keepBackup(opts, romPath, source, err)) return kExitFailure;
    if (!writeWhole(opts.output.empty() ? romPath : opts.output, target, stamp, romPath, err)) return kExitFailure;
    out << "Patch applied!\n";
    if (patch::formatOfBytes(patchBytes) == patch::PatchFormat::Ips)
        for (patch::PatchCaution caution : patch::ipsCautions(source, target)) err << patch::message(caution) << "!\n";
    return kExitOk;
}

}  // namespace

std::vector<Command> patchCommands() {
    return {
        {"make-patch", "ORIGINAL MODIFIED OUT",
         "write the patch turning image ORIGINAL into MODIFIED to OUT, an IPS or BPS patch as OUT ends in .ips or .bps",
         3, runMakePatch},
        {"apply-patch", "ROM PATCH [-o OUT]",
         "apply an IPS or BPS patch (known by its first bytes) to ROM; a BPS patch made for another image writes "
         "nothing, while an IPS patch carries no checksum and applies to any image, with a warning when it writes "
         "past the image's end or changes its edition",
         2, runApplyPatch},
    };
}

}  // namespace cli

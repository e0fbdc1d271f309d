#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "patch/PatchResult.h"

// Which kind of patch a file holds, and making or applying one of either kind.
namespace patch {

enum class PatchFormat { Unknown, Ips, Bps };

// From the first bytes: "PATCH" is IPS, "BPS1" is BPS.
PatchFormat formatOfBytes(const std::vector<std::uint8_t>& patch);
// From a file name's extension, ".ips" or ".bps" in any case.
PatchFormat formatOfFileName(std::string_view fileName);

// Applies a patch of either kind, recognised by its first bytes; NotAPatch otherwise.
// target is written only on success.
PatchResult applyPatch(const std::vector<std::uint8_t>& source, const std::vector<std::uint8_t>& patch,
                       std::vector<std::uint8_t>& target);
// Makes a patch of the given kind turning original into modified; NotAPatch for Unknown.
// patch is written only on success.
PatchResult makePatch(PatchFormat format, const std::vector<std::uint8_t>& original,
                      const std::vector<std::uint8_t>& modified, std::vector<std::uint8_t>& patch);

// Whether an image of size bytes can be made a patch of in the format (Unknown: applied
// to): Ok, TooLargeForIps or TooLarge, as makePatch and applyPatch would answer, so that
// a file can be refused before it is read.
PatchResult checkImageSize(PatchFormat format, std::uint64_t size);

// What an IPS patch just applied may have done to an image it was not made for: it carries
// no checksum that could tell, so these are the signs that remain.
enum class PatchCaution {
    WritesPastEnd,   // "The patch writes past the end of the image"
    ChangesEdition,  // "The patch changes the image's edition"
};
std::string_view message(PatchCaution caution);
// The cautions for source patched into target.
std::vector<PatchCaution> ipsCautions(const std::vector<std::uint8_t>& source, const std::vector<std::uint8_t>& target);

}  // namespace patch

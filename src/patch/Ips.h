#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "patch/PatchResult.h"

// IPS patches: "PATCH", records of a 24-bit big-endian offset and a 16-bit size followed
// by the bytes (size 0: a 16-bit run length and one byte repeated), "EOF", and an optional
// 24-bit length the result is cut to.
namespace patch {

// Largest image an IPS patch can describe: offsets have 24 bits.
constexpr std::size_t kIpsMaxImage = 0x1000000;

// Makes the patch turning original into modified. Runs a few unchanged bytes apart share
// a record, long runs of one byte become run-length records, and no record starts at
// 0x454F46 (which would read as "EOF"). Refuses images over kIpsMaxImage (TooLargeForIps).
// patch is written only on success.
PatchResult makeIps(const std::vector<std::uint8_t>& original, const std::vector<std::uint8_t>& modified,
                    std::vector<std::uint8_t>& patch);

// Applies an IPS patch to source. Records past the end grow the image (any gap is zeros);
// a run of length 0 writes nothing; a length after "EOF" at or above the image's size
// leaves the size as it is. Anything malformed is Damaged, a source over kMaxImage
// TooLarge. Nothing tells whether the patch was made for this image: there is no checksum
// (see ipsCautions). target is written only on success.
PatchResult applyIps(const std::vector<std::uint8_t>& source, const std::vector<std::uint8_t>& patch,
                     std::vector<std::uint8_t>& target);

}  // namespace patch

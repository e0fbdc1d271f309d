#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "patch/PatchResult.h"

// BPS patches: "BPS1", the source size, target size and metadata (numbers of 7 bits a
// byte), the actions building the target, then the CRC32 of the source, the target and
// the patch before them, little-endian.
namespace patch {

// Makes the patch turning original into modified: source reads where both agree at the
// same offset, target reads elsewhere; no metadata. Refuses images over kMaxImage
// (TooLarge). patch is written only on success.
PatchResult makeBps(const std::vector<std::uint8_t>& original, const std::vector<std::uint8_t>& modified,
                    std::vector<std::uint8_t>& patch);

// Applies a BPS patch to source: Damaged when the patch fails its own checksum or any
// action leaves its buffers, TooLarge when it describes a target over kMaxImage (refused
// before anything is built), WrongSource when source is not the image it was made from,
// ResultMismatch when the result fails the recorded checksum. target is written only on
// success.
PatchResult applyBps(const std::vector<std::uint8_t>& source, const std::vector<std::uint8_t>& patch,
                     std::vector<std::uint8_t>& target);

}  // namespace patch

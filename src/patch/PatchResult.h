#pragma once
#include <cstddef>
#include <string_view>

// Outcome of making or applying a patch. Nothing in the patch module throws: every
// function reports one of these.
namespace patch {

// The largest image patched or made a patch of here, before or after: the game's images are
// far smaller, and a larger limit would let a patch of a few bytes describe an output that
// costs seconds and hundreds of megabytes before its checksum refuses it.
constexpr std::size_t kMaxImage = 64u * 1024 * 1024;

enum class PatchResult {
    Ok,
    NotAPatch,       // neither an IPS nor a BPS patch
    Damaged,         // malformed, cut short, or its own checksum fails
    WrongSource,     // made for another image (BPS source size or checksum)
    ResultMismatch,  // applied cleanly but the result's checksum is not the one recorded
    TooLargeForIps,  // IPS offsets have 24 bits
    TooLarge,        // an image over kMaxImage, before or after
    OutOfMemory,
};

// The sentence shown to the user for an outcome (no full stop).
std::string_view message(PatchResult result);

}  // namespace patch

#pragma once
#include <string_view>

// Outcome of making or applying a patch. Nothing in the patch module throws: every
// function reports one of these.
namespace patch {

enum class PatchResult {
    Ok,
    NotAPatch,       // neither an IPS nor a BPS patch
    Damaged,         // malformed, cut short, or its own checksum fails
    WrongSource,     // made for another image (BPS source size or checksum)
    ResultMismatch,  // applied cleanly but the result's checksum is not the one recorded
    TooLargeForIps,  // IPS offsets have 24 bits
    TooLargeForBps,  // beyond the size the reader accepts
    OutOfMemory,
};

// The sentence shown to the user for an outcome (no full stop).
std::string_view message(PatchResult result);

}  // namespace patch

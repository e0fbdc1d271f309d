#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/OffsetSet.h"
#include "base/ResultCode.h"

// Whether an offset set can be right for an image: every region that the reader reads and
// the writer rewrites lies inside the image, and no two of them share a byte. Open and
// Save both ask before they touch anything, so that a set meant for another image (or a
// settings file that is not one) is refused instead of scattering the league over it.
namespace OffsetCheck {

// One region of the image: the offset set entry that places it, where it starts and how
// many bytes it spans.
struct Region {
    int entry;
    std::int64_t offset;
    std::int64_t size;
};

// The regions of an edition, in entry order, with the sizes the codec reads and rewrites.
// NES: the overflow entry is unused, and the uniform entry places two 27-byte tables, at
// +0 and at +29 (the two bytes between them are not the league's). SNES: all sixteen.
// Other kinds: none.
std::vector<Region> regions(const OffsetSet& offsets, ConsoleKind kind);

struct Outcome {
    enum class Problem { None, NoSuchEdition, Outside, Overlap };
    Problem problem = Problem::None;
    Region region{};  // Outside: the region; Overlap: the one of the lower entry
    Region other{};   // Overlap: the region it shares bytes with
    std::int64_t imageSize = 0;

    bool ok() const { return problem == Problem::None; }
    // What a person reads: "scheduleTable overlaps pointsTable", "uniformTable (0x1DC0C,
    // 27 bytes) lies outside the image of 0x8000 bytes".
    std::string describe() const;
};

// Checks the regions of the edition against an image of imageSize bytes: first that each
// lies inside it, in entry order, then that no two overlap, the first pair in entry order
// named.
Outcome check(const OffsetSet& offsets, ConsoleKind kind, std::int64_t imageSize);

}  // namespace OffsetCheck

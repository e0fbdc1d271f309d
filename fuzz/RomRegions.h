#pragma once
#include <cstdint>
#include <vector>

#include "base/OffsetSet.h"
#include "base/ResultCode.h"

// The regions of the league tables in an image, as offset-set entries with their sizes,
// and when an offset set lets a saved league read back unchanged.
namespace RomRegions {

struct Region {
    int entry;          // OffsetSet entry that locates it
    std::int64_t size;  // bytes from there
};

// Every region a save writes (the SNES overflow area only on the SNES).
std::vector<Region> written(ConsoleKind kind);

// True when the regions of offsets are pairwise disjoint and every region that pointers
// address lies where the writer's pointer forms read back to the same place. Only then
// does a successful save promise the same league on reading the image again; the
// settings may hold sets that break either rule.
bool layoutRoundTrips(const OffsetSet& offsets, ConsoleKind kind);

}  // namespace RomRegions

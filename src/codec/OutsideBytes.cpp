#include "codec/OutsideBytes.h"

#include <algorithm>
#include <vector>

#include "codec/OffsetCheck.h"

std::int64_t countBytesDifferingOutside(const RomImage& a, const RomImage& b, const OffsetSet& offsets,
                                        ConsoleKind kind) {
    const std::size_t common = std::min(a.size(), b.size());
    std::vector<bool> league(common, false);
    for (const OffsetCheck::Region& r : OffsetCheck::regions(offsets, kind)) {
        const std::int64_t from = std::clamp<std::int64_t>(r.offset, 0, static_cast<std::int64_t>(common));
        const std::int64_t to = std::clamp<std::int64_t>(r.offset + r.size, from, static_cast<std::int64_t>(common));
        std::fill(league.begin() + from, league.begin() + to, true);
    }
    std::int64_t count = static_cast<std::int64_t>(std::max(a.size(), b.size()) - common);
    for (std::size_t i = 0; i < common; ++i)
        if (a[i] != b[i] && !league[i]) ++count;
    return count;
}

#include "RomRegions.h"

#include "codec/PointerForms.h"
#include "codec/RegionLayout.h"
#include "model/clsProject.h"

namespace RomRegions {

std::vector<Region> written(ConsoleKind kind) {
    using namespace RegionLayout;
    const std::int64_t teams = clsProject::kTeams;
    const std::int64_t allStars = 2 * clsProject::kAllStars;
    std::vector<Region> r = {
        {OffsetSet::teamPtrTable, kTeamPointers},
        {OffsetSet::playerDataArea, kPlayerArea},
        {OffsetSet::attributeTable,
         teams * clsTeam::kRoster * static_cast<std::int64_t>(clsPlayer::ratingRecordSize(kind))},
        {OffsetSet::cityPtrTable, kCityPointers},
        {OffsetSet::cityTextArea, kCityText},
        {OffsetSet::mascotPtrTable, kMascotPointers},
        {OffsetSet::mascotTextArea, kMascotText},
        {OffsetSet::abrevPtrTable, kAbrevPointers},
        {OffsetSet::abrevTextArea, kAbrevText},
        {OffsetSet::scheduleTable, clsProject::kScheduleBytes},
        {OffsetSet::pointsTable, 2 * teams},
        // NES: two 27-byte tables 29 bytes apart; SNES: 256 bytes a team.
        {OffsetSet::uniformTable, kind == Console::Snes ? 256 * teams : 29 + teams},
        {OffsetSet::allStarPtrTable, 2 * allStars},
        {OffsetSet::teamOfAllStarTable, allStars},
        {OffsetSet::allStarRosterTable, 2 * allStars},
    };
    if (kind == Console::Snes) r.push_back({OffsetSet::playerOverflowArea, kOverflowArea});
    return r;
}

namespace {

// Whether the pointer a writer stores for every byte of [start, start + size) reads
// back as that byte. The places where this holds form one window per mapping, so the
// two ends decide.
template <typename Store, typename Read>
bool readsBack(std::int64_t start, std::int64_t size, Store store, Read read) {
    const std::int64_t last = start + size - 1;
    return read(store(start)) == start && read(store(last)) == last;
}

}  // namespace

bool layoutRoundTrips(const OffsetSet& o, ConsoleKind kind) {
    using namespace RomPointer;
    const std::vector<Region> regions = written(kind);
    for (std::size_t i = 0; i < regions.size(); ++i)
        for (std::size_t j = i + 1; j < regions.size(); ++j) {
            const std::int64_t a = o[regions[i].entry], b = o[regions[j].entry];
            if (a < b + regions[j].size && b < a + regions[i].size) return false;
        }

    auto text = [kind](std::int64_t x) { return textPointer(x, kind); };
    auto block = [kind](std::int64_t x) { return blockPointer(x, kind); };
    auto cityMascot = [kind](std::uint16_t w) { return cityMascotTextOffset(w, kind); };
    auto abbreviation = [kind](std::uint16_t w) { return abrevTextOffset(w, kind); };
    auto record = [kind](std::uint16_t w) { return playerRecordOffset(w, kind); };
    auto list = [kind](std::uint16_t w) { return playerListOffset(w, kind); };
    const std::int64_t area = RegionLayout::kPlayerArea;
    bool ok = readsBack(o[OffsetSet::cityTextArea], RegionLayout::kCityText, text, cityMascot) &&
              readsBack(o[OffsetSet::mascotTextArea], RegionLayout::kMascotText, text, cityMascot) &&
              readsBack(o[OffsetSet::abrevTextArea], RegionLayout::kAbrevText, text, abbreviation) &&
              readsBack(o[OffsetSet::playerDataArea], area, block, record) &&
              readsBack(o[OffsetSet::playerDataArea], area, block, list);
    if (kind == Console::Snes)
        ok = ok && readsBack(o[OffsetSet::playerOverflowArea], RegionLayout::kOverflowArea, block, record);
    return ok;
}

}  // namespace RomRegions

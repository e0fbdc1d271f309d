#include "codec/OffsetCheck.h"

#include "base/TextNumber.h"

#include <cstdio>

#include "codec/RegionLayout.h"
#include "model/clsPlayer.h"
#include "model/clsProject.h"

namespace OffsetCheck {

namespace {

constexpr std::int64_t kNesUniformRun = 27;      // one NES uniform byte per team
constexpr std::int64_t kNesSecondUniforms = 29;  // where the second NES table starts
constexpr std::int64_t kSnesUniformBytes = 256;  // 128 colour words per team

bool overlaps(const Region& a, const Region& b) { return a.offset < b.offset + b.size && b.offset < a.offset + a.size; }

}  // namespace

std::vector<Region> regions(const OffsetSet& o, ConsoleKind kind) {
    using namespace RegionLayout;
    using E = OffsetSet;
    if (kind != Console::Nes && kind != Console::Snes) return {};
    const bool snes = kind == Console::Snes;
    auto at = [&](int entry, std::int64_t size) { return Region{entry, o[entry], size}; };
    const std::int64_t ratings = std::int64_t{clsProject::kTeams} * clsTeam::kRoster *
                                 static_cast<std::int64_t>(clsPlayer::ratingRecordSize(kind));
    std::vector<Region> r = {
        at(E::teamPtrTable, kTeamPointers),
        at(E::playerDataArea, kPlayerArea),
    };
    if (snes) r.push_back(at(E::playerOverflowArea, kOverflowArea));
    r.push_back(at(E::attributeTable, ratings));
    r.push_back(at(E::cityPtrTable, kCityPointers));
    r.push_back(at(E::cityTextArea, kCityText));
    r.push_back(at(E::mascotPtrTable, kMascotPointers));
    r.push_back(at(E::mascotTextArea, kMascotText));
    r.push_back(at(E::abrevPtrTable, kAbrevPointers));
    r.push_back(at(E::abrevTextArea, kAbrevText));
    r.push_back(at(E::scheduleTable, clsProject::kScheduleBytes));
    r.push_back(at(E::pointsTable, 2 * clsProject::kTeams));
    if (snes) {
        r.push_back(at(E::uniformTable, kSnesUniformBytes * clsProject::kTeams));
    } else {
        r.push_back(at(E::uniformTable, kNesUniformRun));
        r.push_back(Region{E::uniformTable, std::int64_t{o[E::uniformTable]} + kNesSecondUniforms, kNesUniformRun});
    }
    r.push_back(at(E::allStarPtrTable, 2 * 2 * clsProject::kAllStars));
    r.push_back(at(E::teamOfAllStarTable, 2 * clsProject::kAllStars));
    r.push_back(at(E::allStarRosterTable, 2 * 2 * clsProject::kAllStars));
    return r;
}

Outcome check(const OffsetSet& offsets, ConsoleKind kind, std::int64_t imageSize) {
    Outcome out;
    out.imageSize = imageSize;
    if (kind != Console::Nes && kind != Console::Snes) {
        out.problem = Outcome::Problem::NoSuchEdition;
        return out;
    }
    const std::vector<Region> all = regions(offsets, kind);
    for (const Region& r : all) {
        if (r.offset < 0 || r.offset > imageSize - r.size) {
            out.problem = Outcome::Problem::Outside;
            out.region = r;
            return out;
        }
    }
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            if (overlaps(all[i], all[j])) {
                out.problem = Outcome::Problem::Overlap;
                out.region = all[i];
                out.other = all[j];
                return out;
            }
    return out;
}

std::string Outcome::describe() const {
    switch (problem) {
        case Problem::None:
            return "";
        case Problem::NoSuchEdition:
            return "no such edition";
        case Problem::Outside:
            return std::string(OffsetSet::entryName(region.entry)) + " (" + TextNumber::hexText(region.offset) + ", " +
                   std::to_string(region.size) + " bytes) lies outside the image of " + TextNumber::hexText(imageSize) +
                   " bytes";
        case Problem::Overlap:
            return std::string(OffsetSet::entryName(region.entry)) + " overlaps " + OffsetSet::entryName(other.entry);
    }
    return "";
}

}  // namespace OffsetCheck

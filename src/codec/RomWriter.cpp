#include "codec/RomWriter.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "codec/OffsetCheck.h"
#include "codec/RegionLayout.h"

namespace {

using RegionLayout::Names;

constexpr ResultCode kAbbreviationsTooLong = 2;
constexpr ResultCode kCitiesTooLong = 3;
constexpr ResultCode kMascotsTooLong = 4;
constexpr ResultCode kPlayersTooLong = 5;

void copyBytesToRom(RomImage& rom, const std::vector<std::uint8_t>& bytes, std::int64_t at) {
    std::copy(bytes.begin(), bytes.end(), rom.begin() + at);
}

void putPointer(RomImage& rom, std::int64_t at, std::int32_t value) {
    rom[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value & 0xFF);
    rom[static_cast<std::size_t>(at + 1)] = static_cast<std::uint8_t>((value & 0xFF00) / 256);
}

int pointerEntry(Names which) {
    return which == Names::Abbreviations ? OffsetSet::abrevPtrTable
           : which == Names::Cities      ? OffsetSet::cityPtrTable
                                         : OffsetSet::mascotPtrTable;
}

int textEntry(Names which) {
    return which == Names::Abbreviations ? OffsetSet::abrevTextArea
           : which == Names::Cities      ? OffsetSet::cityTextArea
                                         : OffsetSet::mascotTextArea;
}

}  // namespace

ResultCode saveProjectToRom(clsProject& project, RomImage& rom, const OffsetSet& o, ConsoleKind kind) {
    // Every region lies in the image and none shares a byte with another, or nothing changes.
    if (!OffsetCheck::check(o, kind, static_cast<std::int64_t>(rom.size())).ok()) return Result::Failed;
    if (!RegionLayout::leagueStorable(project)) return Result::Failed;

    // The three name tables and the player blocks are laid out before the first byte is
    // written, so that a league that does not fit leaves the image as it was.
    const std::pair<Names, ResultCode> tables[] = {{Names::Abbreviations, kAbbreviationsTooLong},
                                                   {Names::Cities, kCitiesTooLong},
                                                   {Names::Mascots, kMascotsTooLong}};
    std::vector<RegionLayout::NameTable> names;
    for (const auto& [which, tooLong] : tables) {
        names.push_back(RegionLayout::layoutNames(project, which, o[textEntry(which)], kind));
        const ResultCode r = names.back().result;
        if (r == RegionLayout::kFull) return tooLong;
        if (r != Result::Ok) return Result::Failed;
    }
    const RegionLayout::PlayerBlocks blocks =
        RegionLayout::layoutPlayers(project, o[OffsetSet::playerDataArea], o[OffsetSet::playerOverflowArea], kind);
    if (blocks.result == RegionLayout::kFull) return kPlayersTooLong;
    if (blocks.result != Result::Ok) return Result::Failed;

    for (std::size_t i = 0; i < names.size(); ++i) {
        copyBytesToRom(rom, names[i].pointers, o[pointerEntry(tables[i].first)]);
        copyBytesToRom(rom, names[i].text, o[textEntry(tables[i].first)]);
    }
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int p = 0; p < clsTeam::kRoster; ++p)
            project.getTeamRef(t)->getPlayerRef(p)->setDataPtr(
                blocks.dataPointers[static_cast<std::size_t>(t)][static_cast<std::size_t>(p)]);
    copyBytesToRom(rom, blocks.teamPointers, o[OffsetSet::teamPtrTable]);
    copyBytesToRom(rom, blocks.main, o[OffsetSet::playerDataArea]);
    if (kind == Console::Snes) copyBytesToRom(rom, blocks.overflow, o[OffsetSet::playerOverflowArea]);

    const std::int64_t ratingSize = static_cast<std::int64_t>(clsPlayer::ratingRecordSize(kind));
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            std::int64_t at = o[OffsetSet::attributeTable] + t * 12 * ratingSize + p * ratingSize;
            project.getTeamRef(t)->getPlayerRef(p)->writeRatingRecord(rom.data() + at, kind);
        }

    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam& team = *project.getTeamRef(t);
        rom[static_cast<std::size_t>(o[OffsetSet::pointsTable] + t)] = team.getPointsScored();
        rom[static_cast<std::size_t>(o[OffsetSet::pointsTable] + 27 + t)] = team.getPointsGiven();
    }

    // All-stars: the pointer to each one's data record, the team table and the roster
    // table with both indexes doubled; west entries first, then east.
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        for (int east = 0; east < 2; ++east) {
            clsProject::Pair pair = east ? project.getEastAllStar(i) : project.getWestAllStar(i);
            std::int32_t d = project.getTeamRef(pair[0])->getPlayerRef(pair[1])->getDataPtr();
            putPointer(rom, o[OffsetSet::allStarPtrTable] + 24 * east + 2 * i, d);
            rom[static_cast<std::size_t>(o[OffsetSet::teamOfAllStarTable] + 12 * east + i)] = pair[0];
            rom[static_cast<std::size_t>(o[OffsetSet::allStarRosterTable] + 24 * east + 2 * i)] =
                static_cast<std::uint8_t>(2 * pair[0]);
            rom[static_cast<std::size_t>(o[OffsetSet::allStarRosterTable] + 24 * east + 2 * i + 1)] =
                static_cast<std::uint8_t>(2 * pair[1]);
        }
    }

    std::copy(project.schedule().begin(), project.schedule().end(), rom.begin() + o[OffsetSet::scheduleTable]);

    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam& team = *project.getTeamRef(t);
        std::int64_t u = o[OffsetSet::uniformTable];
        if (kind == Console::Nes) {
            rom[static_cast<std::size_t>(u + t)] = team.getUniformColor_NES_0();
            rom[static_cast<std::size_t>(u + 29 + t)] = team.getUniformColor_NES_1();
        } else {
            for (int k = 0; k < 256; ++k) rom[static_cast<std::size_t>(u + 256 * t + k)] = team.getUniformData(k);
        }
    }
    return Result::Ok;
}

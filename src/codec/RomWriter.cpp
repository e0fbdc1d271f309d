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

// Rebuilds one name table; nothing of it reaches the image when it does not fit.
ResultCode writeNames(const clsProject& project, RomImage& rom, const OffsetSet& o, ConsoleKind kind, Names which) {
    int ptrEntry = which == Names::Abbreviations ? OffsetSet::abrevPtrTable
                   : which == Names::Cities      ? OffsetSet::cityPtrTable
                                                 : OffsetSet::mascotPtrTable;
    int textEntry = which == Names::Abbreviations ? OffsetSet::abrevTextArea
                    : which == Names::Cities      ? OffsetSet::cityTextArea
                                                  : OffsetSet::mascotTextArea;
    RegionLayout::NameTable table = RegionLayout::layoutNames(project, which, o[textEntry], kind);
    if (table.result != Result::Ok) return table.result;
    copyBytesToRom(rom, table.pointers, o[ptrEntry]);
    copyBytesToRom(rom, table.text, o[textEntry]);
    return Result::Ok;
}

ResultCode writePlayerBlocks(clsProject& project, RomImage& rom, const OffsetSet& o, ConsoleKind kind) {
    RegionLayout::PlayerBlocks blocks =
        RegionLayout::layoutPlayers(project, o[OffsetSet::playerDataArea], o[OffsetSet::playerOverflowArea], kind);
    if (blocks.result != Result::Ok) return blocks.result;
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int p = 0; p < clsTeam::kRoster; ++p)
            project.getTeamRef(t)->getPlayerRef(p)->setDataPtr(
                blocks.dataPointers[static_cast<std::size_t>(t)][static_cast<std::size_t>(p)]);
    copyBytesToRom(rom, blocks.teamPointers, o[OffsetSet::teamPtrTable]);
    copyBytesToRom(rom, blocks.main, o[OffsetSet::playerDataArea]);
    if (kind == Console::Snes) copyBytesToRom(rom, blocks.overflow, o[OffsetSet::playerOverflowArea]);
    return Result::Ok;
}

}  // namespace

ResultCode saveProjectToRom(clsProject& project, RomImage& rom, const OffsetSet& o, ConsoleKind kind) {
    // Every region lies in the image and none shares a byte with another, or nothing changes.
    if (!OffsetCheck::check(o, kind, static_cast<std::int64_t>(rom.size())).ok()) return Result::Failed;
    if (!RegionLayout::leagueStorable(project)) return Result::Failed;

    // The three name tables and the player blocks, each rebuilt whole or not at all.
    const std::pair<Names, ResultCode> tables[] = {{Names::Abbreviations, kAbbreviationsTooLong},
                                                   {Names::Cities, kCitiesTooLong},
                                                   {Names::Mascots, kMascotsTooLong}};
    for (const auto& [which, tooLong] : tables) {
        ResultCode r = writeNames(project, rom, o, kind, which);
        if (r == RegionLayout::kFull) return tooLong;
        if (r != Result::Ok) return Result::Failed;
    }
    ResultCode r = writePlayerBlocks(project, rom, o, kind);
    if (r == RegionLayout::kFull) return kPlayersTooLong;
    if (r != Result::Ok) return Result::Failed;

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

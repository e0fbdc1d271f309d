#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/ResultCode.h"
#include "model/clsProject.h"

// The regions that a save rebuilds from zero-filled buffers of fixed size: the three name
// tables and the player blocks. Each is laid out here, away from the image, so that the
// writer and the space accounting share one piece of arithmetic.
namespace RegionLayout {

inline constexpr int kAbrevPointers = 68;
inline constexpr int kAbrevText = 171;
inline constexpr int kCityPointers = 58;
inline constexpr int kCityText = 259;
inline constexpr int kMascotPointers = 58;
inline constexpr int kMascotText = 218;
inline constexpr int kTeamPointers = 54;
inline constexpr int kPlayerArea = 6915;
inline constexpr int kOverflowArea = 768;

// Layout result of a region: 0 laid out; 2 its buffer is full; 1 anything else.
inline constexpr ResultCode kFull = 2;

// One name table: pointers to texts ended by 0xFF, packed from the start of the text buffer.
struct NameTable {
    ResultCode result = Result::Ok;
    int used = 0;  // bytes that every text with its terminator needs, whether or not they fit
    std::vector<std::uint8_t> pointers;
    std::vector<std::uint8_t> text;
};

// False when the league holds something the save refuses before touching the image: a
// player name byte of 0x80 or more (it would end the name on reading and shift every
// later field), a 0xFF inside a city, mascot or abbreviation (it would end the text), or
// an all-star pair that names no player of a team's roster (AllStarCheck lists them).
bool leagueStorable(const clsProject& project);

enum class Names { Abbreviations, Cities, Mascots };

// The entries of a table in pointer order: the teams' texts, then the fixed entries
// (playoff labels, all-star conferences, the all-star mascot).
std::vector<std::string> tableEntries(const clsProject& project, Names which);

// Lays out a table whose text buffer starts at image offset textOffset.
NameTable layoutNames(const clsProject& project, Names which, std::int64_t textOffset, ConsoleKind kind);

// The player blocks: per team 12 pointers, then the 12 data records, teams one after the
// other in the main area; on SNES the last team's records that do not fit go to the
// overflow area.
struct PlayerBlocks {
    ResultCode result = Result::Ok;  // 0, kFull, or 1 (a record cannot be built, misplaced overflow)
    int mainUsed = 0;                // bytes of the main area the league needs
    int overflowUsed = 0;            // bytes of the overflow area it needs (SNES)
    std::vector<std::uint8_t> teamPointers;
    std::vector<std::uint8_t> main;
    std::vector<std::uint8_t> overflow;
    std::array<std::array<std::int32_t, 12>, 27> dataPointers{};
};

// The used counts go on past the first failure, as if the buffers were large enough, so
// that a report can say by how much a region is over.
PlayerBlocks layoutPlayers(const clsProject& project, std::int64_t mainOffset, std::int64_t overflowOffset,
                           ConsoleKind kind);

}  // namespace RegionLayout

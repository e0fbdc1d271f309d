#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/FileIO.h"
#include "base/ResultCode.h"
#include "model/clsProject.h"

// Ranking reports of one rating over all 324 roster players.
namespace AttributeReport {

inline constexpr int kEntries = clsProject::kTeams * clsTeam::kRoster;  // 324

// The report name of the rating (Rating::reportName): "Run Speed" ... "Stamina"; else "".
std::string getAttributeName(int attribute);

// The display scale of one rating of a player (0 for an attribute outside 0..5); nothing
// when it lies outside 0..255 and so cannot be ranked.
std::optional<std::uint8_t> getAttributeValue(const clsPlayer& player, int attribute);

// The comb sort's next gap: 2 -> 1, 1 stays 1, otherwise gap / 1.3 rounded half to even,
// with 9 and 10 raised to 11.
int nextGap(int gap);

// One ranked entry: k = 12 * team + slot before the ranking.
struct Entry {
    std::uint8_t value = 0;
    std::string name;
    std::uint8_t position = 0;
};

// Ranks the entries highest value first with the comb sort (first gap 323).
void rankEntries(std::array<Entry, kEntries>& entries);

// Name, one tab (16 or more characters), two (8 to 15) or three (fewer than 8), value, CR LF.
void writeReportLine(std::string& out, const std::string& name, int value);

// The whole report text; 1 when a display value lies outside 0..255.
ResultCode buildReport(const clsProject& project, int attribute, bool byposition, std::string& out);

// Gathers, ranks (comb sort, highest first) and writes the report. A display value
// outside 0..255 fails before the file is touched (error then stays empty); a failed write
// says why in error.
ResultCode writeSortedList(const clsProject& project, const std::string& filename, int attribute, bool byposition);
ResultCode writeSortedList(const clsProject& project, const std::string& filename, int attribute, bool byposition,
                           FileIO::WriteError& error);

}  // namespace AttributeReport

#include "interchange/ProjectFile.h"

#include <bitset>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "base/TextNumber.h"
#include "interchange/HexPairs.h"
#include "interchange/KeyLines.h"
#include "interchange/TeamFile.h"
#include "interchange/TextLines.h"

namespace ProjectFile {

namespace {

// The section marks and the all-star keys, as the writer writes them and the reader
// looks for them.
constexpr std::string_view kSchedule = "@SCHED";
constexpr std::string_view kAllStar = "@ALLSTAR";
constexpr std::string_view kSectionEnd = "@END";
constexpr std::string_view kEast = "east=";
constexpr std::string_view kWest = "west=";
// Two hexadecimal digits of team index, two of player index, for each of the 12 slots.
constexpr std::size_t kAllStarDigits = 4 * clsProject::kAllStars;

// The sections a league read so far has carried whole.
struct Progress {
    bool schedule = false;
    bool allStars = false;
    std::bitset<clsProject::kTeams> teams;
};

// The 48-digit text of one conference: team index then player index for slots 0..11.
std::string getAllStarHex(const clsProject& project, int conference) {
    std::string hex;
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        clsProject::Pair pair = conference == 0 ? project.getEastAllStar(i) : project.getWestAllStar(i);
        HexPairs::appendByte(hex, pair[0]);
        HexPairs::appendByte(hex, pair[1]);
    }
    return hex;
}

void writeScheduleAndAllStars(const clsProject& project, std::string& out) {
    writeLine(out, kSchedule);
    std::string hex;
    hex.reserve(2 * clsProject::kScheduleBytes);
    for (std::uint8_t b : project.schedule()) HexPairs::appendByte(hex, b);
    writeLine(out, hex);
    writeLine(out, kSectionEnd);
    writeLine(out, kAllStar);
    KeyLines::writeKeyLine(out, kEast, getAllStarHex(project, 0));
    KeyLines::writeKeyLine(out, kWest, getAllStarHex(project, 1));
    writeLine(out, kSectionEnd);
}

// Schedule lines follow one another: a line of length L carries n + 1 pairs with
// n = L / 2 - 1 rounded half to even, so a trailing odd character of a line of length
// 3, 7, 11, ... is dropped while one of length 1, 5, 9, ... counts as a pair of its own.
// The section must fill all 2214 bytes, no more, and end with "@END".
bool readSchedule(clsProject& project, LineReader& lines, Progress& progress, LineReport& report) {
    auto& schedule = project.schedule();
    std::size_t position = 0;
    std::string line;
    while (lines.next(line)) {
        if (line == kSectionEnd) {
            if (position != schedule.size())
                return refuse(report, lines.lineNumber(),
                              "the schedule ends after " + std::to_string(position) + " of " +
                                  std::to_string(schedule.size()) + " bytes");
            progress.schedule = true;
            return true;
        }
        double n = TextNumber::roundHalfEven(static_cast<double>(line.size()) / 2.0 - 1.0);
        std::size_t pairs = static_cast<std::size_t>(n + 1.0);
        for (std::size_t i = 0; i < pairs; ++i) {
            if (position + i >= schedule.size())
                return refuse(report, lines.lineNumber(),
                              "the schedule holds more than " + std::to_string(schedule.size()) + " bytes");
            schedule[position + i] = HexPairs::readPair(line, i);
        }
        position += pairs;
    }
    return refuse(report, lines.lineNumber(), "file ends before the schedule is complete");
}

// An east= or west= value: exactly 48 hexadecimal digits.
bool allStarDigits(std::string_view key, std::string_view value, int lineNo, LineReport& report) {
    if (value.size() != kAllStarDigits)
        return refuse(report, lineNo,
                      std::string(key) + " holds " + std::to_string(value.size()) + " characters, not " +
                          std::to_string(kAllStarDigits) + " hexadecimal digits");
    for (char c : value)
        if (TextNumber::hexDigit(c) < 0)
            return refuse(report, lineNo, std::string(key) + " '" + c + "' is not a hexadecimal digit");
    return true;
}

// The all-star section: an east= and a west= line, then "@END"; other lines are ignored.
bool readAllStars(clsProject& project, LineReader& lines, Progress& progress, LineReport& report) {
    bool east = false;
    bool west = false;
    std::string line;
    while (lines.next(line)) {
        if (line == kSectionEnd) {
            if (!east || !west)
                return refuse(report, lines.lineNumber(),
                              "the all-stars have no line " + std::string(east ? kWest : kEast));
            progress.allStars = true;
            return true;
        }
        std::string_view head = std::string_view(line).substr(0, kEast.size());
        if (head != kEast && head != kWest) continue;
        std::string_view value = std::string_view(line).substr(kEast.size());
        if (!allStarDigits(head, value, lines.lineNumber(), report)) return false;
        for (int i = 0; i < clsProject::kAllStars; ++i) {
            std::uint8_t team = HexPairs::readPair(value, static_cast<std::size_t>(2 * i));
            std::uint8_t player = HexPairs::readPair(value, static_cast<std::size_t>(2 * i + 1));
            if (head == kEast)
                project.setEastAllStar(i, team, player);
            else
                project.setWestAllStar(i, team, player);
        }
        (head == kEast ? east : west) = true;
    }
    return refuse(report, lines.lineNumber(), "file ends before the all-stars are complete");
}

// A team section "@t" ... "@END"; the index must name a team once a line is applied, and
// a team's section must hold the whole team.
bool readTeamSection(clsProject& project, LineReader& lines, std::string_view header, Progress& progress,
                     LineReport& report) {
    const int headerLine = lines.lineNumber();
    const double index = TextNumber::roundHalfEven(TextNumber::value(header.substr(1)));
    const bool known = index >= 0 && index < clsProject::kTeams;
    const int t = known ? static_cast<int>(index) : -1;
    TeamFile::Progress team;
    std::string line;
    while (lines.next(line)) {
        if (line == kSectionEnd) {
            if (!known) return true;
            if (!TeamFile::complete(team, t, lines.lineNumber(), report)) return false;
            progress.teams.set(static_cast<std::size_t>(t));
            return true;
        }
        if (!known) {
            const std::string number =
                std::fabs(index) < 1e15 ? std::to_string(static_cast<long long>(index)) : quoteValue(header.substr(1));
            return refuse(report, headerLine, "team " + number + " is outside 0..26");
        }
        if (!TeamFile::applyLine(*project.getTeamRef(t), lines, line, t, team, report)) return false;
    }
    if (!known) return true;
    return refuse(report, lines.lineNumber(), "file ends before team " + std::to_string(t) + " is complete");
}

bool processProjectLine(clsProject& project, LineReader& lines, std::string_view line, Progress& progress,
                        LineReport& report) {
    if (KeyLines::occurs(line, kSchedule)) return readSchedule(project, lines, progress, report);
    if (KeyLines::occurs(line, kAllStar)) return readAllStars(project, lines, progress, report);
    if (KeyLines::occurs(line, "@") && line != kSectionEnd)
        return readTeamSection(project, lines, line, progress, report);
    return true;
}

// Once the text has ended: every section the writer writes was read whole.
bool complete(const Progress& progress, int line, LineReport& report) {
    if (!progress.schedule) return refuse(report, line, "the league has no section " + std::string(kSchedule));
    if (!progress.allStars) return refuse(report, line, "the league has no section " + std::string(kAllStar));
    for (int t = 0; t < clsProject::kTeams; ++t)
        if (!progress.teams.test(static_cast<std::size_t>(t)))
            return refuse(report, line, "the league has no section @" + std::to_string(t));
    return true;
}

}  // namespace

std::string projectText(const clsProject& project) {
    std::string out;
    out.reserve(80000);
    writeScheduleAndAllStars(project, out);
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam& team = *project.getTeamRef(t);
        writeLine(out, "@" + std::to_string(t));
        TeamFile::writeToFile(team, out);
        TeamFile::writePlayerBlocks(team, out);
        writeLine(out, kSectionEnd);
    }
    return out;
}

ResultCode exportProject(const clsProject& project, const std::string& filename, FileIO::WriteError& error) {
    for (int t = 0; t < clsProject::kTeams; ++t)
        if (!namesTravel(TeamFile::nameFault(*project.getTeamRef(t), t), filename, error)) return Result::Failed;
    return FileIO::writeFileAtomically(filename, projectText(project), error) == Result::Ok ? Result::Ok
                                                                                            : Result::Failed;
}

ResultCode exportProject(const clsProject& project, const std::string& filename) {
    FileIO::WriteError ignored;
    return exportProject(project, filename, ignored);
}

ResultCode importProjectText(clsProject& project, std::string text, LineReport& report) {
    Progress progress;
    return importAllOrNothing(
        project, std::move(text), report, [](clsProject& w) { w.clearProject(); },
        [&progress](clsProject& w, LineReader& lines, const std::string& line, LineReport& r) {
            return processProjectLine(w, lines, line, progress, r);
        },
        [&progress](clsProject&, LineReader& lines, LineReport& r) {
            return complete(progress, lines.lineNumber(), r);
        });
}

ResultCode importProjectText(clsProject& project, std::string text) {
    LineReport ignored;
    return importProjectText(project, std::move(text), ignored);
}

ResultCode importProject(clsProject& project, const std::string& filename, LineReport& report) {
    return importFile(project, filename, report, [](clsProject& p, std::string text, LineReport& r) {
        return importProjectText(p, std::move(text), r);
    });
}

ResultCode importProject(clsProject& project, const std::string& filename) {
    LineReport ignored;
    return importProject(project, filename, ignored);
}

}  // namespace ProjectFile

#include "interchange/ProjectFile.h"

#include <cstdint>
#include <string_view>

#include "interchange/HexPairs.h"
#include "interchange/KeyLines.h"
#include "interchange/TeamFile.h"
#include "interchange/TextLines.h"
#include "base/FileIO.h"
#include "base/TextNumber.h"

namespace ProjectFile {

namespace {

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
    writeLine(out, "@SCHED");
    std::string hex;
    hex.reserve(2 * clsProject::kScheduleBytes);
    for (std::uint8_t b : project.schedule()) HexPairs::appendByte(hex, b);
    writeLine(out, hex);
    writeLine(out, "@END");
    writeLine(out, "@ALLSTAR");
    KeyLines::writeKeyLine(out, "east=", getAllStarHex(project, 0));
    KeyLines::writeKeyLine(out, "west=", getAllStarHex(project, 1));
    writeLine(out, "@END");
}

// Schedule lines follow one another: a line of length L carries n + 1 pairs with
// n = L / 2 - 1 rounded half to even, so a trailing odd character of a line of length
// 3, 7, 11, ... is dropped while one of length 1, 5, 9, ... counts as a pair of its own.
ResultCode readSchedule(clsProject& project, LineReader& lines) {
    auto& schedule = project.schedule();
    std::size_t position = 0;
    std::string line;
    while (lines.next(line)) {
        if (line == "@END") break;
        double n = TextNumber::roundHalfEven(static_cast<double>(line.size()) / 2.0 - 1.0);
        std::size_t pairs = static_cast<std::size_t>(n + 1.0);
        for (std::size_t i = 0; i < pairs; ++i) {
            if (position + i >= schedule.size()) return Result::Failed;
            schedule[position + i] = HexPairs::readPair(line, i);
        }
        position += pairs;
    }
    return Result::Ok;
}

void readAllStars(clsProject& project, LineReader& lines) {
    std::string line;
    while (lines.next(line)) {
        if (line == "@END") break;
        std::string_view head = std::string_view(line).substr(0, 5);
        if (head != "east=" && head != "west=") continue;
        std::string_view value = std::string_view(line).substr(5);
        for (int i = 0; i < clsProject::kAllStars; ++i) {
            std::uint8_t team = HexPairs::readPair(value, static_cast<std::size_t>(2 * i));
            std::uint8_t player = HexPairs::readPair(value, static_cast<std::size_t>(2 * i + 1));
            if (head == "east=")
                project.setEastAllStar(i, team, player);
            else
                project.setWestAllStar(i, team, player);
        }
    }
}

// A team section "@t" ... "@END"; the index must name a team once a line is applied.
ResultCode readTeamSection(clsProject& project, LineReader& lines, double index) {
    std::string line;
    while (lines.next(line)) {
        if (line == "@END") break;
        clsTeam* team = (index >= 0 && index < clsProject::kTeams) ? project.getTeamRef(static_cast<int>(index)) : nullptr;
        if (!team) return Result::Failed;
        if (TeamFile::processImportString(*team, lines, line) != Result::Ok) return Result::Failed;
    }
    return Result::Ok;
}

ResultCode processProjectLine(clsProject& project, LineReader& lines, std::string_view line) {
    if (KeyLines::occurs(line, "@SCHED")) return readSchedule(project, lines);
    if (KeyLines::occurs(line, "@ALLSTAR")) {
        readAllStars(project, lines);
        return Result::Ok;
    }
    if (KeyLines::occurs(line, "@") && line != "@END")
        return readTeamSection(project, lines, TextNumber::roundHalfEven(TextNumber::value(line.substr(1))));
    return Result::Ok;
}

}  // namespace

std::string projectText(const clsProject& project) {
    std::string out;
    out.reserve(80000);
    writeScheduleAndAllStars(project, out);
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam& team = *project.getTeamRef(t);
        std::string header = "@";
        header += std::to_string(t);
        writeLine(out, header);
        TeamFile::writeToFile(team, out);
        TeamFile::writePlayerBlocks(team, out);
        writeLine(out, "@END");
    }
    return out;
}

ResultCode exportProject(const clsProject& project, const std::string& filename) {
    return FileIO::writeFileAtomically(filename, projectText(project)) == Result::Ok ? Result::Ok : Result::Failed;
}

ResultCode importProjectText(clsProject& project, std::string text) {
    return importAllOrNothing(
        project, std::move(text), [](clsProject& w) { w.clearProject(); },
        [](clsProject& w, LineReader& lines, const std::string& line) { return processProjectLine(w, lines, line); });
}

ResultCode importProject(clsProject& project, const std::string& filename) {
    return importFile(project, filename, importProjectText);
}

}  // namespace ProjectFile

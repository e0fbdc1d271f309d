#include "interchange/TeamFile.h"

#include <cstdint>
#include <optional>

#include "interchange/HexPairs.h"
#include "interchange/KeyLines.h"
#include "interchange/PlayerFile.h"
#include "base/FileIO.h"
#include "base/TextNumber.h"

namespace TeamFile {

namespace {

constexpr std::size_t kSnesLineBytes = 64;

const char* truthText(bool v) { return v ? "True" : "False"; }

// "unifpalsnes0=" .. "unifpalsnes3=": SNES uniform bytes 64 * part .. 64 * part + 63.
std::string snesKey(int part) {
    std::string key = "unifpalsnes";
    key += static_cast<char>('0' + part);
    key += '=';
    return key;
}

// Points figures take the leading number of the value, rounded; 0..255 or nothing.
std::optional<std::uint8_t> readPoints(std::string_view value) {
    double v = TextNumber::roundHalfEven(TextNumber::value(value));
    if (!(v >= 0 && v <= 255)) return std::nullopt;
    return static_cast<std::uint8_t>(v);
}

// The slot of a "#n" line: the leading number after the first character, rounded.
double blockNumber(std::string_view line) { return TextNumber::roundHalfEven(TextNumber::value(line.substr(1))); }

void importNesUniform(clsTeam& team, std::string_view value) {
    for (int i = 0; i < 2; ++i) team.setNesByte(i, HexPairs::readPair(value, static_cast<std::size_t>(i)));
}

void importSnesUniformLine(clsTeam& team, int part, std::string_view value) {
    for (std::size_t j = 0; j < kSnesLineBytes; ++j)
        team.setSnesByte(static_cast<int>(kSnesLineBytes * static_cast<std::size_t>(part) + j), HexPairs::readPair(value, j));
}

// "unifpal..." lines: the key is everything up to and including the first "=".
void importUniformLine(clsTeam& team, std::string_view line) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return;
    std::string_view key = line.substr(0, eq + 1);
    std::string_view value = line.substr(eq + 1);
    if (key == "unifpalnes=") {
        importNesUniform(team, value);
        return;
    }
    for (int part = 0; part < 4; ++part) {
        if (key == snesKey(part)) {
            importSnesUniformLine(team, part, value);
            return;
        }
    }
}

// Reads the lines of one player block up to "#END" (consumed) or the end of the text.
ResultCode importPlayerBlock(clsTeam& team, LineReader& lines, double slot) {
    std::string line;
    while (lines.next(line)) {
        if (line == "#END") break;
        clsPlayer* player = (slot >= 0 && slot < clsTeam::kSlots) ? team.getPlayerRef(static_cast<int>(slot)) : nullptr;
        if (!player) return Result::Failed;
        if (PlayerFile::processImportString(*player, line) != Result::Ok) return Result::Failed;
    }
    return Result::Ok;
}

}  // namespace

void writeToFile(const clsTeam& team, std::string& out) {
    using KeyLines::writeKeyLine;
    writeKeyLine(out, "city=", KeyLines::upperCase(team.getCity()));
    writeKeyLine(out, "mascot=", KeyLines::upperCase(team.getMascot()));
    writeKeyLine(out, "abrev=", KeyLines::upperCase(team.getAbrev()));
    writeKeyLine(out, "ps=", std::to_string(team.getPointsScored()));
    writeKeyLine(out, "pg=", std::to_string(team.getPointsGiven()));
    writeKeyLine(out, "unifnes=", truthText(team.uniformNES_vaild));
    std::string hex;
    for (std::uint8_t b : team.getUniformColor_NES()) HexPairs::appendByte(hex, b);
    writeKeyLine(out, "unifpalnes=", hex);
    writeKeyLine(out, "unifsnes=", truthText(team.uniformSNES_vaild));
    for (int part = 0; part < 4; ++part) {
        hex.clear();
        for (std::size_t j = 0; j < kSnesLineBytes; ++j)
            HexPairs::appendByte(hex, team.getUniformData(static_cast<int>(kSnesLineBytes * static_cast<std::size_t>(part) + j)));
        writeKeyLine(out, snesKey(part), hex);
    }
}

void writePlayerBlocks(const clsTeam& team, std::string& out) {
    for (int slot = 0; slot < clsTeam::kRoster; ++slot) {
        std::string header = "#";
        header += std::to_string(slot);
        writeLine(out, header);
        PlayerFile::writeToFile(*team.getPlayerRef(slot), out);
        writeLine(out, "#END");
    }
}

ResultCode exportTeam(const clsTeam& team, const std::string& filename) {
    std::string text;
    writeToFile(team, text);
    writePlayerBlocks(team, text);
    return FileIO::writeFileAtomically(filename, text) == Result::Ok ? Result::Ok : Result::Failed;
}

ResultCode processImportString(clsTeam& team, LineReader& lines, std::string_view instring) {
    using KeyLines::occurs;
    using KeyLines::valueOf;
    std::string name;
    if (occurs(instring, "city=")) {
        if (!KeyLines::readName(valueOf(instring, "city="), name)) return Result::Failed;
        team.setCity(name);
    } else if (occurs(instring, "mascot=")) {
        if (!KeyLines::readName(valueOf(instring, "mascot="), name)) return Result::Failed;
        team.setMascot(name);
    } else if (occurs(instring, "abrev=")) {
        if (!KeyLines::readName(valueOf(instring, "abrev="), name)) return Result::Failed;
        team.setAbrev(name);
    } else if (occurs(instring, "ps=")) {
        auto v = readPoints(valueOf(instring, "ps="));
        if (!v) return Result::Failed;
        team.setPointsScored(*v);
    } else if (occurs(instring, "pg=")) {
        auto v = readPoints(valueOf(instring, "pg="));
        if (!v) return Result::Failed;
        team.setPointsGiven(*v);
    } else if (occurs(instring, "unifnes=")) {
        auto v = TextNumber::truth(valueOf(instring, "unifnes="));
        if (!v) return Result::Failed;
        team.uniformNES_vaild = *v;
    } else if (occurs(instring, "unifsnes=")) {
        auto v = TextNumber::truth(valueOf(instring, "unifsnes="));
        if (!v) return Result::Failed;
        team.uniformSNES_vaild = *v;
    } else if (occurs(instring, "unifpal")) {
        importUniformLine(team, instring);
    } else if (occurs(instring, "#") && instring != "#END") {
        return importPlayerBlock(team, lines, blockNumber(instring));
    }
    return Result::Ok;
}

ResultCode importTeamText(clsTeam& team, std::string text) {
    return importAllOrNothing(
        team, std::move(text), [](clsTeam& w) { w.initTeam(); },
        [](clsTeam& w, LineReader& lines, const std::string& line) { return processImportString(w, lines, line); });
}

ResultCode importTeam(clsTeam& team, const std::string& filename) {
    return importFile(team, filename, importTeamText);
}

}  // namespace TeamFile

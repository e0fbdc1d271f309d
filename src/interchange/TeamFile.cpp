#include "interchange/TeamFile.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "base/TextNumber.h"
#include "interchange/HexPairs.h"
#include "interchange/KeyLines.h"
#include "interchange/PlayerFile.h"

namespace TeamFile {

namespace {

enum Key : int {
    City,
    Mascot,
    Abrev,
    Ps,
    Pg,
    UnifNes,
    UnifPalNes,
    UnifSnes,
    UnifPalSnes0,
    UnifPalSnes1,
    UnifPalSnes2,
    UnifPalSnes3
};

// The keys in the order the writer writes them.
constexpr std::string_view kKeys[kKeyCount] = {
    "city=",       "mascot=",   "abrev=",        "ps=",           "pg=",           "unifnes=",
    "unifpalnes=", "unifsnes=", "unifpalsnes0=", "unifpalsnes1=", "unifpalsnes2=", "unifpalsnes3="};

constexpr std::size_t kSnesLineBytes = 64;

const char* truthText(bool v) { return v ? "True" : "False"; }

std::string hexBytes(const clsTeam& team, int key) {
    std::string hex;
    if (key == UnifPalNes) {
        for (std::uint8_t b : team.getUniformColor_NES()) HexPairs::appendByte(hex, b);
        return hex;
    }
    const std::size_t part = static_cast<std::size_t>(key - UnifPalSnes0);
    for (std::size_t j = 0; j < kSnesLineBytes; ++j)
        HexPairs::appendByte(hex, team.getUniformData(static_cast<int>(kSnesLineBytes * part + j)));
    return hex;
}

// The value text the writer gives a key.
std::string valueText(const clsTeam& team, int key) {
    switch (key) {
        case City:
            return KeyLines::upperCase(team.getCity());
        case Mascot:
            return KeyLines::upperCase(team.getMascot());
        case Abrev:
            return KeyLines::upperCase(team.getAbrev());
        case Ps:
            return std::to_string(team.getPointsScored());
        case Pg:
            return std::to_string(team.getPointsGiven());
        case UnifNes:
            return truthText(team.uniformNES_vaild);
        case UnifSnes:
            return truthText(team.uniformSNES_vaild);
        default:
            return hexBytes(team, key);
    }
}

// Points figures take the leading number of the value, rounded; 0..255 or nothing.
std::optional<std::uint8_t> readPoints(std::string_view value) {
    double v = TextNumber::roundHalfEven(TextNumber::value(value));
    if (!(v >= 0 && v <= 255)) return std::nullopt;
    return static_cast<std::uint8_t>(v);
}

// The slot of a "#n" line: the leading number after the first character, rounded.
double blockNumber(std::string_view line) { return TextNumber::roundHalfEven(TextNumber::value(line.substr(1))); }

// A block or section number as reasons give it: the whole number, or the text after the
// mark when it is too large to print as one.
std::string numberText(double v, std::string_view line) {
    if (std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
    return quoteValue(line.substr(1));
}

std::string teamName(int teamIndex) { return teamIndex < 0 ? "the team" : "team " + std::to_string(teamIndex); }
std::string playerName(int teamIndex, int slot) {
    return (teamIndex < 0 ? std::string() : teamName(teamIndex) + " ") + "player " + std::to_string(slot);
}

// "unifpal..." lines: the key is everything up to and including the first "=". The index
// of the key applied, or -1 when the line names none.
int importUniformLine(clsTeam& team, std::string_view line) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return -1;
    std::string_view key = line.substr(0, eq + 1);
    std::string_view value = line.substr(eq + 1);
    if (key == kKeys[UnifPalNes]) {
        for (int i = 0; i < 2; ++i) team.setNesByte(i, HexPairs::readPair(value, static_cast<std::size_t>(i)));
        return UnifPalNes;
    }
    for (int k = UnifPalSnes0; k <= UnifPalSnes3; ++k) {
        if (key != kKeys[k]) continue;
        const std::size_t part = static_cast<std::size_t>(k - UnifPalSnes0);
        for (std::size_t j = 0; j < kSnesLineBytes; ++j)
            team.setSnesByte(static_cast<int>(kSnesLineBytes * part + j), HexPairs::readPair(value, j));
        return k;
    }
    return -1;
}

// Reads the lines of one player block up to "#END" (consumed) or the end of the text. A
// roster slot's block must carry every player key and be closed; a block for slot 12
// (never written) may carry some keys and run to the end; a block for any other slot
// fails once it carries a line.
bool importPlayerBlock(clsTeam& team, LineReader& lines, std::string_view header, int teamIndex, Progress& progress,
                       LineReport& report) {
    const int headerLine = lines.lineNumber();
    const double slot = blockNumber(header);
    const bool inSlots = slot >= 0 && slot < clsTeam::kSlots;
    PlayerFile::KeySet seen;
    bool closed = false;
    std::string line;
    while (lines.next(line)) {
        if (line == "#END") {
            closed = true;
            break;
        }
        if (!inSlots) return refuse(report, headerLine, "slot " + numberText(slot, header) + " is outside 0..12");
        if (!PlayerFile::applyLine(*team.getPlayerRef(static_cast<int>(slot)), line, lines.lineNumber(), seen, report))
            return false;
    }
    if (!(slot >= 0 && slot < clsTeam::kRoster)) return true;
    const int s = static_cast<int>(slot);
    if (!closed)
        return refuse(report, lines.lineNumber(), "file ends before " + playerName(teamIndex, s) + " is complete");
    const std::string missing = PlayerFile::firstMissing(seen);
    if (!missing.empty())
        return refuse(report, lines.lineNumber(), playerName(teamIndex, s) + " has no key " + missing);
    progress.blocks.set(static_cast<std::size_t>(s));
    return true;
}

}  // namespace

void writeToFile(const clsTeam& team, std::string& out) {
    for (int k = 0; k < kKeyCount; ++k) KeyLines::writeKeyLine(out, kKeys[k], valueText(team, k));
}

void writePlayerBlocks(const clsTeam& team, std::string& out) {
    for (int slot = 0; slot < clsTeam::kRoster; ++slot) {
        writeLine(out, "#" + std::to_string(slot));
        PlayerFile::writeToFile(*team.getPlayerRef(slot), out);
        writeLine(out, "#END");
    }
}

std::string nameFault(const clsTeam& team, int teamIndex) {
    const std::string who = teamIndex < 0 ? std::string() : teamName(teamIndex) + " ";
    for (int key : {City, Mascot, Abrev}) {
        const std::string fault = KeyLines::nameFault(kKeys[key], valueText(team, key));
        if (!fault.empty()) return who + fault;
    }
    for (int slot = 0; slot < clsTeam::kRoster; ++slot) {
        const std::string fault = PlayerFile::nameFault(*team.getPlayerRef(slot));
        if (!fault.empty()) return playerName(teamIndex, slot) + " " + fault;
    }
    return {};
}

ResultCode exportTeam(const clsTeam& team, const std::string& filename, FileIO::WriteError& error) {
    if (!namesTravel(nameFault(team, -1), filename, error)) return Result::Failed;
    std::string text;
    writeToFile(team, text);
    writePlayerBlocks(team, text);
    return FileIO::writeFileAtomically(filename, text, error) == Result::Ok ? Result::Ok : Result::Failed;
}

ResultCode exportTeam(const clsTeam& team, const std::string& filename) {
    FileIO::WriteError ignored;
    return exportTeam(team, filename, ignored);
}

bool applyLine(clsTeam& team, LineReader& lines, std::string_view instring, int teamIndex, Progress& progress,
               LineReport& report) {
    using KeyLines::occurs;
    using KeyLines::valueOf;
    const int lineNo = lines.lineNumber();
    std::string why;
    auto applied = [&](int key) {
        progress.keys.set(static_cast<std::size_t>(key));
        return true;
    };
    // The tests in their fixed order: names, points, flags, uniform colours, player blocks.
    for (int key : {City, Mascot, Abrev}) {
        if (!occurs(instring, kKeys[key])) continue;
        std::string name;
        if (!KeyLines::readName(kKeys[key], valueOf(instring, kKeys[key]), name, why))
            return refuse(report, lineNo, why);
        key == City ? team.setCity(name) : key == Mascot ? team.setMascot(name) : team.setAbrev(name);
        return applied(key);
    }
    for (int key : {Ps, Pg}) {
        if (!occurs(instring, kKeys[key])) continue;
        const std::string_view value = valueOf(instring, kKeys[key]);
        auto v = readPoints(value);
        if (!v)
            return refuse(report, lineNo,
                          std::string(KeyLines::keyName(kKeys[key])) + ": " + quoteValue(value) + " is outside 0..255");
        key == Ps ? team.setPointsScored(*v) : team.setPointsGiven(*v);
        return applied(key);
    }
    for (int key : {UnifNes, UnifSnes}) {
        if (!occurs(instring, kKeys[key])) continue;
        const std::string_view value = valueOf(instring, kKeys[key]);
        auto v = TextNumber::truth(value);
        if (!v)
            return refuse(report, lineNo,
                          std::string(KeyLines::keyName(kKeys[key])) + ": " + quoteValue(value) +
                              " is not True, False or a number");
        (key == UnifNes ? team.uniformNES_vaild : team.uniformSNES_vaild) = *v;
        return applied(key);
    }
    if (occurs(instring, "unifpal")) {
        int key = importUniformLine(team, instring);
        return key < 0 || applied(key);
    }
    if (occurs(instring, "#") && instring != "#END")
        return importPlayerBlock(team, lines, instring, teamIndex, progress, report);
    return true;
}

bool complete(const Progress& progress, int teamIndex, int line, LineReport& report) {
    for (int k = 0; k < kKeyCount; ++k)
        if (!progress.keys.test(static_cast<std::size_t>(k)))
            return refuse(report, line,
                          teamName(teamIndex) + " has no key " + std::string(KeyLines::keyName(kKeys[k])));
    for (int slot = 0; slot < clsTeam::kRoster; ++slot)
        if (!progress.blocks.test(static_cast<std::size_t>(slot)))
            return refuse(report, line, teamName(teamIndex) + " has no block #" + std::to_string(slot));
    return true;
}

ResultCode importTeamText(clsTeam& team, std::string text, LineReport& report) {
    Progress progress;
    return importAllOrNothing(
        team, std::move(text), report, [](clsTeam& w) { w.initTeam(); },
        [&progress](clsTeam& w, LineReader& lines, const std::string& line, LineReport& r) {
            return applyLine(w, lines, line, -1, progress, r);
        },
        [&progress](clsTeam&, LineReader& lines, LineReport& r) {
            return complete(progress, -1, lines.lineNumber(), r);
        });
}

ResultCode importTeamText(clsTeam& team, std::string text) {
    LineReport ignored;
    return importTeamText(team, std::move(text), ignored);
}

ResultCode importTeam(clsTeam& team, const std::string& filename, LineReport& report) {
    return importFile(team, filename, report, [](clsTeam& t, std::string text, LineReport& r) {
        return importTeamText(t, std::move(text), r);
    });
}

ResultCode importTeam(clsTeam& team, const std::string& filename) {
    LineReport ignored;
    return importTeam(team, filename, ignored);
}

}  // namespace TeamFile

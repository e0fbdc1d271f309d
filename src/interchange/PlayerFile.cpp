#include "interchange/PlayerFile.h"

#include <array>
#include <cstdint>
#include <string>

#include "base/FileIO.h"
#include "interchange/KeyLines.h"
#include "interchange/TextLines.h"
#include "model/PlayerField.h"

namespace PlayerFile {

namespace {

// The keys in the order the writer writes them and a line is tested against them (the first
// that occurs in a line decides): the two names, then the numeric fields in their own order.
constexpr int kNames = 2;
static_assert(kKeyCount == kNames + PlayerField::Count);

const std::array<std::string, kKeyCount>& keyTexts() {
    static const std::array<std::string, kKeyCount> texts = [] {
        std::array<std::string, kKeyCount> t{"first=", "last="};
        for (int f = 0; f < PlayerField::Count; ++f) t[kNames + f] = std::string(kPlayerFields[f].key) + "=";
        return t;
    }();
    return texts;
}

std::string_view keyText(int k) { return keyTexts()[static_cast<std::size_t>(k)]; }

const PlayerField& numeric(int k) { return kPlayerFields[static_cast<std::size_t>(k - kNames)]; }

// Weight and the three percentages are signed 16-bit words; every other number a whole byte
// (face and race bits included).
bool isWord(int k) { return k - kNames == PlayerField::Weight || numeric(k).percent; }

// The value text the writer gives a key: names in upper case, numbers in decimal, ratings
// as their raw bytes.
std::string fieldText(const clsPlayer& p, int k) {
    if (k == 0) return KeyLines::upperCase(p.getFirst());
    if (k == 1) return KeyLines::upperCase(p.getLast());
    return std::to_string(numeric(k).get(p));
}

}  // namespace

std::string firstMissing(const KeySet& seen) {
    for (int k = 0; k < kKeyCount; ++k)
        if (!seen.test(static_cast<std::size_t>(k))) return std::string(KeyLines::keyName(keyText(k)));
    return {};
}

void writeToFile(const clsPlayer& p, std::string& out) {
    for (int k = 0; k < kKeyCount; ++k) KeyLines::writeKeyLine(out, keyText(k), fieldText(p, k));
}

std::string_view keyName(int k) { return k >= 0 && k < kKeyCount ? KeyLines::keyName(keyText(k)) : std::string_view(); }

std::string valueText(const clsPlayer& player, int k) {
    return k >= 0 && k < kKeyCount ? fieldText(player, k) : std::string();
}

bool readValue(clsPlayer& player, int k, std::string_view value, std::string& why) {
    if (k < 0 || k >= kKeyCount) return false;
    if (k < kNames) {
        std::string name;
        if (!KeyLines::readName(keyText(k), value, name, why)) return false;
        k == 0 ? player.setFirst(name) : player.setLast(name);
        return true;
    }
    std::int64_t v = 0;
    if (!KeyLines::readNumber(keyText(k), value, isWord(k) ? -32768 : 0, isWord(k) ? 32767 : 255, v, why)) return false;
    numeric(k).set(player, v);
    return true;
}

std::string nameFault(const clsPlayer& player) {
    for (int k = 0; k < kNames; ++k) {
        std::string fault = KeyLines::nameFault(keyText(k), fieldText(player, k));
        if (!fault.empty()) return fault;
    }
    return {};
}

ResultCode exportPlayer(const clsPlayer& player, const std::string& filename, FileIO::WriteError& error) {
    if (!namesTravel(nameFault(player), filename, error)) return Result::Failed;
    std::string text;
    writeToFile(player, text);
    return FileIO::writeFileAtomically(filename, text, error) == Result::Ok ? Result::Ok : Result::Failed;
}

ResultCode exportPlayer(const clsPlayer& player, const std::string& filename) {
    FileIO::WriteError ignored;
    return exportPlayer(player, filename, ignored);
}

bool applyLine(clsPlayer& player, std::string_view instring, int lineNo, KeySet& seen, LineReport& report) {
    for (int k = 0; k < kKeyCount; ++k) {
        if (!KeyLines::occurs(instring, keyText(k))) continue;
        std::string why;
        if (!readValue(player, k, KeyLines::valueOf(instring, keyText(k)), why)) return refuse(report, lineNo, why);
        seen.set(static_cast<std::size_t>(k));
        return true;
    }
    return true;  // no known key: the line is ignored
}

ResultCode importPlayerText(clsPlayer& player, std::string text, LineReport& report) {
    KeySet seen;
    return importAllOrNothing(
        player, std::move(text), report, [](clsPlayer& w) { w.initPlayer(); },
        [&seen](clsPlayer& w, LineReader& lines, const std::string& line, LineReport& r) {
            return applyLine(w, line, lines.lineNumber(), seen, r);
        },
        [&seen](clsPlayer&, LineReader& lines, LineReport& r) {
            const std::string missing = firstMissing(seen);
            return missing.empty() || refuse(r, lines.lineNumber(), "the player has no key " + missing);
        });
}

ResultCode importPlayerText(clsPlayer& player, std::string text) {
    LineReport ignored;
    return importPlayerText(player, std::move(text), ignored);
}

ResultCode importPlayer(clsPlayer& player, const std::string& filename, LineReport& report) {
    return importFile(player, filename, report, [](clsPlayer& p, std::string text, LineReport& r) {
        return importPlayerText(p, std::move(text), r);
    });
}

ResultCode importPlayer(clsPlayer& player, const std::string& filename) {
    LineReport ignored;
    return importPlayer(player, filename, ignored);
}

}  // namespace PlayerFile

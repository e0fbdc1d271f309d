#include "interchange/PlayerFile.h"

#include <cstdint>

#include "base/FileIO.h"
#include "interchange/KeyLines.h"
#include "interchange/TextLines.h"

namespace PlayerFile {

namespace {

enum class Field {
    First,
    Last,
    Jersey,
    Feet,
    Inch,
    Weight,
    Pos,
    Fg,
    Ft,
    Threept,
    Rspeed,
    Jump,
    Steal,
    Block,
    Shoot,
    Stam
};

struct Key {
    std::string_view text;
    Field field;
};

// The keys in the order the writer writes them and a line is tested against them: the
// first that occurs in a line decides.
constexpr Key kKeys[kKeyCount] = {
    {"first=", Field::First}, {"last=", Field::Last},       {"jersey=", Field::Jersey}, {"feet=", Field::Feet},
    {"inch=", Field::Inch},   {"weight=", Field::Weight},   {"pos=", Field::Pos},       {"fg=", Field::Fg},
    {"ft=", Field::Ft},       {"threept=", Field::Threept}, {"rspeed=", Field::Rspeed}, {"jump=", Field::Jump},
    {"steal=", Field::Steal}, {"block=", Field::Block},     {"shoot=", Field::Shoot},   {"stam=", Field::Stam},
};

// The value text the writer gives a field: names in upper case, numbers in decimal,
// ratings as their raw bytes.
std::string fieldText(const clsPlayer& p, Field field) {
    switch (field) {
        case Field::First:
            return KeyLines::upperCase(p.getFirst());
        case Field::Last:
            return KeyLines::upperCase(p.getLast());
        case Field::Jersey:
            return std::to_string(p.getJersey());
        case Field::Feet:
            return std::to_string(p.getFeet());
        case Field::Inch:
            return std::to_string(p.getInch());
        case Field::Weight:
            return std::to_string(p.getWeight());
        case Field::Pos:
            return std::to_string(p.getPosition());
        case Field::Fg:
            return std::to_string(p.getFGpercent());
        case Field::Ft:
            return std::to_string(p.getFTpercent());
        case Field::Threept:
            return std::to_string(p.get3PTpercent());
        case Field::Rspeed:
            return std::to_string(p.getRunSpeed());
        case Field::Jump:
            return std::to_string(p.getJump());
        case Field::Steal:
            return std::to_string(p.getSteal());
        case Field::Block:
            return std::to_string(p.getBlockByte());
        case Field::Shoot:
            return std::to_string(p.getShotRangeByte());
        case Field::Stam:
            return std::to_string(p.getStamina());
    }
    return {};
}

bool isWord(Field f) { return f == Field::Weight || f == Field::Fg || f == Field::Ft || f == Field::Threept; }

// Stores a value read for a field: names as text, the four 16-bit fields as signed
// words, every other field as a whole byte (face and race bits included).
void store(clsPlayer& p, Field field, const std::string& name, std::int64_t v) {
    const auto b = static_cast<std::uint8_t>(v);
    const auto w = static_cast<std::int16_t>(v);
    switch (field) {
        case Field::First:
            p.setFirst(name);
            break;
        case Field::Last:
            p.setLast(name);
            break;
        case Field::Jersey:
            p.setJersey(b);
            break;
        case Field::Feet:
            p.setFeet(b);
            break;
        case Field::Inch:
            p.setInch(b);
            break;
        case Field::Weight:
            p.setWeight(w);
            break;
        case Field::Pos:
            p.setPosition(b);
            break;
        case Field::Fg:
            p.setFGpercent(w);
            break;
        case Field::Ft:
            p.setFTpercent(w);
            break;
        case Field::Threept:
            p.set3PTpercent(w);
            break;
        case Field::Rspeed:
            p.setRunSpeed(b);
            break;
        case Field::Jump:
            p.setJump(b);
            break;
        case Field::Steal:
            p.setSteal(b);
            break;
        case Field::Block:
            p.setBlock(b);
            break;
        case Field::Shoot:
            p.setShotRange(b);
            break;
        case Field::Stam:
            p.setStamina(b);
            break;
    }
}

}  // namespace

std::string firstMissing(const KeySet& seen) {
    for (int k = 0; k < kKeyCount; ++k)
        if (!seen.test(static_cast<std::size_t>(k))) return std::string(KeyLines::keyName(kKeys[k].text));
    return {};
}

void writeToFile(const clsPlayer& p, std::string& out) {
    for (const Key& key : kKeys) KeyLines::writeKeyLine(out, key.text, fieldText(p, key.field));
}

std::string_view keyName(int k) {
    return k >= 0 && k < kKeyCount ? KeyLines::keyName(kKeys[k].text) : std::string_view();
}

std::string valueText(const clsPlayer& player, int k) {
    return k >= 0 && k < kKeyCount ? fieldText(player, kKeys[k].field) : std::string();
}

bool readValue(clsPlayer& player, int k, std::string_view value, std::string& why) {
    if (k < 0 || k >= kKeyCount) return false;
    const Key& key = kKeys[k];
    std::string name;
    std::int64_t v = 0;
    const bool ok = key.field == Field::First || key.field == Field::Last
                        ? KeyLines::readName(key.text, value, name, why)
                        : KeyLines::readNumber(key.text, value, isWord(key.field) ? -32768 : 0,
                                               isWord(key.field) ? 32767 : 255, v, why);
    if (ok) store(player, key.field, name, v);
    return ok;
}

std::string nameFault(const clsPlayer& player) {
    for (const Key& key : {kKeys[0], kKeys[1]}) {
        std::string fault = KeyLines::nameFault(key.text, fieldText(player, key.field));
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
        const Key& key = kKeys[k];
        if (!KeyLines::occurs(instring, key.text)) continue;
        std::string why;
        if (!readValue(player, k, KeyLines::valueOf(instring, key.text), why)) return refuse(report, lineNo, why);
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

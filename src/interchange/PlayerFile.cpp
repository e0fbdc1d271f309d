#include "interchange/PlayerFile.h"

#include <cstdint>

#include "interchange/KeyLines.h"
#include "interchange/TextLines.h"
#include "base/FileIO.h"
#include "base/TextNumber.h"

namespace PlayerFile {

namespace {

enum class Field { First, Last, Jersey, Feet, Inch, Weight, Pos, Fg, Ft, Threept, Rspeed, Jump, Steal, Block, Shoot, Stam };

struct Key {
    std::string_view text;
    Field field;
};

// The keys in the order a line is tested against them: the first that occurs decides.
constexpr Key kKeys[] = {
    {"first=", Field::First},   {"last=", Field::Last},       {"jersey=", Field::Jersey}, {"feet=", Field::Feet},
    {"inch=", Field::Inch},     {"weight=", Field::Weight},   {"pos=", Field::Pos},       {"fg=", Field::Fg},
    {"ft=", Field::Ft},         {"threept=", Field::Threept}, {"rspeed=", Field::Rspeed}, {"jump=", Field::Jump},
    {"steal=", Field::Steal},   {"block=", Field::Block},     {"shoot=", Field::Shoot},   {"stam=", Field::Stam},
};

bool readByte(std::string_view value, std::uint8_t& out) {
    auto v = TextNumber::strictInRange(value, 0, 255);
    if (!v) return false;
    out = static_cast<std::uint8_t>(*v);
    return true;
}

bool readWord(std::string_view value, std::int16_t& out) {
    auto v = TextNumber::strictInRange(value, -32768, 32767);
    if (!v) return false;
    out = static_cast<std::int16_t>(*v);
    return true;
}

ResultCode apply(clsPlayer& p, Field field, std::string_view value) {
    std::string name;
    std::uint8_t b = 0;
    std::int16_t w = 0;
    bool ok = true;
    switch (field) {
        case Field::First:
            if ((ok = KeyLines::readName(value, name))) p.setFirst(name);
            break;
        case Field::Last:
            if ((ok = KeyLines::readName(value, name))) p.setLast(name);
            break;
        case Field::Jersey:
            if ((ok = readByte(value, b))) p.setJersey(b);
            break;
        case Field::Feet:
            if ((ok = readByte(value, b))) p.setFeet(b);
            break;
        case Field::Inch:
            if ((ok = readByte(value, b))) p.setInch(b);
            break;
        case Field::Weight:
            if ((ok = readWord(value, w))) p.setWeight(w);
            break;
        case Field::Pos:
            if ((ok = readByte(value, b))) p.setPosition(b);
            break;
        case Field::Fg:
            if ((ok = readWord(value, w))) p.setFGpercent(w);
            break;
        case Field::Ft:
            if ((ok = readWord(value, w))) p.setFTpercent(w);
            break;
        case Field::Threept:
            if ((ok = readWord(value, w))) p.set3PTpercent(w);
            break;
        case Field::Rspeed:
            if ((ok = readByte(value, b))) p.setRunSpeed(b);
            break;
        case Field::Jump:
            if ((ok = readByte(value, b))) p.setJump(b);
            break;
        case Field::Steal:
            if ((ok = readByte(value, b))) p.setSteal(b);
            break;
        case Field::Block:
            if ((ok = readByte(value, b))) p.setBlock(b);
            break;
        case Field::Shoot:
            if ((ok = readByte(value, b))) p.setShotRange(b);
            break;
        case Field::Stam:
            if ((ok = readByte(value, b))) p.setStamina(b);
            break;
    }
    return ok ? Result::Ok : Result::Failed;
}

}  // namespace

void writeToFile(const clsPlayer& p, std::string& out) {
    using KeyLines::writeKeyLine;
    writeKeyLine(out, "first=", KeyLines::upperCase(p.getFirst()));
    writeKeyLine(out, "last=", KeyLines::upperCase(p.getLast()));
    writeKeyLine(out, "jersey=", std::to_string(p.getJersey()));
    writeKeyLine(out, "feet=", std::to_string(p.getFeet()));
    writeKeyLine(out, "inch=", std::to_string(p.getInch()));
    writeKeyLine(out, "weight=", std::to_string(p.getWeight()));
    writeKeyLine(out, "pos=", std::to_string(p.getPosition()));
    writeKeyLine(out, "fg=", std::to_string(p.getFGpercent()));
    writeKeyLine(out, "ft=", std::to_string(p.getFTpercent()));
    writeKeyLine(out, "threept=", std::to_string(p.get3PTpercent()));
    writeKeyLine(out, "rspeed=", std::to_string(p.getRunSpeed()));
    writeKeyLine(out, "jump=", std::to_string(p.getJump()));
    writeKeyLine(out, "steal=", std::to_string(p.getSteal()));
    writeKeyLine(out, "block=", std::to_string(p.getBlockByte()));
    writeKeyLine(out, "shoot=", std::to_string(p.getShotRangeByte()));
    writeKeyLine(out, "stam=", std::to_string(p.getStamina()));
}

ResultCode exportPlayer(const clsPlayer& player, const std::string& filename) {
    std::string text;
    writeToFile(player, text);
    return FileIO::writeFileAtomically(filename, text) == Result::Ok ? Result::Ok : Result::Failed;
}

ResultCode processImportString(clsPlayer& player, std::string_view instring) {
    for (const Key& key : kKeys) {
        if (KeyLines::occurs(instring, key.text)) return apply(player, key.field, KeyLines::valueOf(instring, key.text));
    }
    return Result::Ok;  // no known key: the line is ignored
}

ResultCode importPlayerText(clsPlayer& player, std::string text) {
    return importAllOrNothing(
        player, std::move(text), [](clsPlayer& w) { w.initPlayer(); },
        [](clsPlayer& w, LineReader&, const std::string& line) { return processImportString(w, line); });
}

ResultCode importPlayer(clsPlayer& player, const std::string& filename) {
    return importFile(player, filename, importPlayerText);
}

}  // namespace PlayerFile

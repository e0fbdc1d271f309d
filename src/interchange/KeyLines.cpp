#include "interchange/KeyLines.h"

#include <cstdio>

#include "base/TextNumber.h"
#include "interchange/TextLines.h"

namespace KeyLines {

std::string_view valueOf(std::string_view line, std::string_view key) {
    if (line.size() <= key.size()) return {};
    return line.substr(key.size());
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool fitsRomText(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool readName(std::string_view value, std::string& name) {
    std::string upper = upperCase(value);
    if (!fitsRomText(upper)) return false;
    name = std::move(upper);
    return true;
}

std::string_view keyName(std::string_view key) {
    if (!key.empty() && key.back() == '=') key.remove_suffix(1);
    return key;
}

bool readName(std::string_view key, std::string_view value, std::string& name, std::string& why) {
    if (readName(value, name)) return true;
    for (char c : value) {
        if (static_cast<unsigned char>(c) < 0x80) continue;
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
        why = std::string(keyName(key)) + ": byte " + hex + " cannot be stored in the game's texts";
        break;
    }
    return false;
}

bool readNumber(std::string_view key, std::string_view value, std::int64_t lo, std::int64_t hi, std::int64_t& out,
                std::string& why) {
    const std::string quoted = std::string(keyName(key)) + ": '" + std::string(value) + "' ";
    if (!TextNumber::strict(value)) {
        why = quoted + "is not a number";
        return false;
    }
    auto v = TextNumber::strictInRange(value, lo, hi);
    if (!v) {
        why = quoted + "is outside " + std::to_string(lo) + ".." + std::to_string(hi);
        return false;
    }
    out = *v;
    return true;
}

void writeKeyLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key);
    writeLine(out, value);
}

}  // namespace KeyLines

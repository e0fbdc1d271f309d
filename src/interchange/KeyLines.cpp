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

std::string_view keyName(std::string_view key) {
    if (!key.empty() && key.back() == '=') key.remove_suffix(1);
    return key;
}

std::string nameFault(std::string_view key, std::string_view name) {
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) continue;
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(b));
        return std::string(keyName(key)) + ": byte " + hex +
               (b >= 0x80 ? " cannot be stored in the game's texts" : " is a control character");
    }
    return {};
}

bool readName(std::string_view key, std::string_view value, std::string& name, std::string& why) {
    std::string upper = upperCase(value);
    why = nameFault(key, upper);
    if (!why.empty()) return false;
    name = std::move(upper);
    return true;
}

bool readNumber(std::string_view key, std::string_view value, std::int64_t lo, std::int64_t hi, std::int64_t& out,
                std::string& why) {
    const std::string shown = std::string(keyName(key)) + ": " + quoteValue(value) + " ";
    if (!TextNumber::strict(value)) {
        why = shown + "is not a number";
        return false;
    }
    auto v = TextNumber::strictInRange(value, lo, hi);
    if (!v) {
        why = shown + "is outside " + std::to_string(lo) + ".." + std::to_string(hi);
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

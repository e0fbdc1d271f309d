#include "interchange/KeyLines.h"

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

void writeKeyLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key);
    writeLine(out, value);
}

}  // namespace KeyLines

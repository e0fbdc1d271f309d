#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Why a text file was refused: the 1-based line at fault (0 when the refusal concerns the
// file as a whole, such as a file that cannot be read) and a reason a person reads.
struct LineReport {
    int line = 0;
    std::string reason;

    // "line LINE: reason", or the reason alone for the file as a whole.
    std::string text() const { return line > 0 ? "line " + std::to_string(line) + ": " + reason : reason; }
};

// A value of the file as a reason quotes it: in single quotes, and cut after its first 40
// characters with "..." when it is longer, so that a huge faulty cell gives a short reason.
// A cut never splits the bytes of one UTF-8 character.
inline std::string quoteValue(std::string_view value) {
    constexpr std::size_t kShown = 40;
    if (value.size() <= kShown) return "'" + std::string(value) + "'";
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
    return "'" + std::string(value.substr(0, cut)) + "...'";
}

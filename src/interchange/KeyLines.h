#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The key=value lines of the interchange files: how a key is found in a line, where its
// value lies, and the form of the name texts.
namespace KeyLines {

// True when key occurs anywhere in line (case-sensitive).
inline bool occurs(std::string_view line, std::string_view key) { return line.find(key) != std::string_view::npos; }

// The last (length of line - length of key) characters of line: the text after the key
// when the key begins the line. Empty when the line is not longer than the key.
std::string_view valueOf(std::string_view line, std::string_view key);

// Letters a..z turned into A..Z; every other byte unchanged.
std::string upperCase(std::string_view text);

// The key's name as reasons give it: the key without its "=" ("weight").
std::string_view keyName(std::string_view key);

// Why a name cannot travel in the interchange files: "" when it can, else the first byte
// at fault, by the key's name: "first: byte 0xC3 cannot be stored in the game's texts" (0x80
// and up), "first: byte 0x0D is a control character" (below 0x20, and 0x7F: a line-based
// file cannot carry them, a line end would cut the name). The readers refuse such a value
// and the writers a record that holds one, so that every file written reads back.
std::string nameFault(std::string_view key, std::string_view name);

// upperCase(value) into name; false with nameFault's reason in why (name untouched) when
// the value holds a byte that cannot travel.
bool readName(std::string_view key, std::string_view value, std::string& name, std::string& why);

// A strict number (TextNumber::strictInRange) that says why it refused: "weight: 'abc' is
// not a number", "jersey: '256' is outside 0..255".
bool readNumber(std::string_view key, std::string_view value, std::int64_t lo, std::int64_t hi, std::int64_t& out,
                std::string& why);

// Appends key, value and CR LF.
void writeKeyLine(std::string& out, std::string_view key, std::string_view value);

}  // namespace KeyLines

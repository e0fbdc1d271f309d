#pragma once
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Values read straight out of a reference decoding (expected/decoded.json), by key, in file order: every
// player's "weight", every team's "abrev".
namespace testsupport {

// The numbers that follow "key": in the JSON text, `count` after each (an array's first ones).
inline std::vector<long> numbersAfter(const std::string& json, const std::string& key, int count = 1) {
    std::vector<long> out;
    const std::string mark = "\"" + key + "\":";
    for (std::size_t at = json.find(mark); at != std::string::npos; at = json.find(mark, at + 1)) {
        const char* next = json.c_str() + at + mark.size();
        for (int n = 0; n < count; ++n)
            out.push_back(std::strtol(next + std::strcspn(next, "-0123456789"), const_cast<char**>(&next), 10));
    }
    return out;
}

// The texts that follow "key": (no escapes in the reference names).
inline std::vector<std::string> textsAfter(const std::string& json, const std::string& key) {
    std::vector<std::string> out;
    const std::string mark = "\"" + key + "\": \"";
    for (std::size_t at = json.find(mark); at != std::string::npos; at = json.find(mark, at + 1))
        out.push_back(json.substr(at + mark.size(), json.find('"', at + mark.size()) - at - mark.size()));
    return out;
}

}  // namespace testsupport

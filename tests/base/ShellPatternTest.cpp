// Shell-style patterns over whole texts: each wildcard, a star that has to give characters back, letter case.
#include <gtest/gtest.h>

#include "base/ShellPattern.h"

namespace {

TEST(ShellPattern, WholeTextWithStarsAndQuestionMarks) {
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } rows[] = {
        {"*", "", true},
        {"game 1?", "game 17: \"A at B\"", false},  // the whole text, not a start of it
        {"game 1?*", "game 17: \"A at B\"", true},
        {"?", "", false},
        {"team * city*", "team 3 city: \"X\" -> \"Y\"", true},
        {"team * city*", "team 3 mascot: \"city\" -> \"Y\"", false},
        {"*3.7 *", "player 13.7 jump: 1 -> 2", true},
        {"a*b*c", "aXbYbZc", true},  // the first star takes "X", the second "YbZ"
        {"*ab", "aab", true},
        {"*a", "ab", false},
        {"Team*", "team 3", false},
        {"player 3.*", "player 3.10 first: \"A\" -> \"B\"", true},
        {"x**", "x", true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShellPattern::matches(row.pattern, row.text), row.matches) << row.pattern << " | " << row.text;
}

}  // namespace

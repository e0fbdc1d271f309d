// Shell-style patterns over whole texts: each wildcard, a star that has to give characters back, letter case.
#include <gtest/gtest.h>

#include "base/ShellPattern.h"

namespace {

TEST(ShellPattern, WholeTextWithStarsAndQuestionMarks) {
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"*", "", true},
        {"?", "", false},
        {"game 1?", "game 17: \"A at B\"", false},  // the whole text, not a start of it
        {"team * city*", "team 3 city: \"X\" -> \"Y\"", true},
        {"team * city*", "team 3 mascot: \"city\" -> \"Y\"", false},
        {"a*b*c", "aXbYbZc", true},  // the first star takes "X", the second "YbZ"
        {"*a", "ab", false},
        {"Team*", "team 3", false},
        {"x**", "x", true},
    };
    for (const auto& [pattern, text, matches] : rows)
        EXPECT_EQ(ShellPattern::matches(pattern, text), matches) << pattern << " | " << text;
}

}  // namespace

#pragma once
#include <string_view>

// Patterns as a shell matches file names against them, over a whole text: `*` stands for
// any run of characters (none too), `?` for any one character, every other character for
// itself, letter case included.
namespace ShellPattern {

bool matches(std::string_view pattern, std::string_view text);

}  // namespace ShellPattern

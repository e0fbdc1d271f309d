// The form of a path the wide file functions of Windows are given: Wine takes paths of any length
// without the \\?\ prefix, so the prefix is checked here rather than through a write.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/PathText.h"

namespace {

#ifdef _WIN32
TEST(PathText, Win32PathsAreAbsoluteWithBackslashesAndPrefixedFrom248Characters) {
    const std::string a247(244, 'a'), a248(245, 'a');
    const std::wstring w247(244, L'a'), w248(245, L'a');
    const std::tuple<const char*, std::string, std::optional<std::wstring>> rows[] = {
        // name, path, wide form
        {"247 characters", "C:\\" + a247, L"C:\\" + w247},
        {"248 characters, with slashes", "C:/" + a248, L"\\\\?\\C:\\" + w248},
        {"a long path on a network share", "\\\\server\\share\\" + a248, L"\\\\?\\UNC\\server\\share\\" + w248},
        {"already prefixed", "\\\\?\\C:\\x", L"\\\\?\\C:\\x"},
        {"not UTF-8", "C:\\\xFF.nes", std::nullopt},
    };
    for (const auto& [name, path, expected] : rows) EXPECT_EQ(PathText::win32Path(path), expected) << name;
}
#endif

}  // namespace

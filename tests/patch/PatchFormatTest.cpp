// Recognising a patch by its first bytes and by its file name.
#include <gtest/gtest.h>

#include "patch/PatchFormat.h"

namespace {

using patch::PatchFormat;
using patch::PatchResult;

struct FormatRow {
    const char* name;
    std::string bytes;
    std::string fileName;
    PatchFormat format;
};

const FormatRow kFormatRows[] = {
    {"Ips", "PATCHEOF", "league.ips", PatchFormat::Ips},
    {"Bps", "BPS1\x80", "League.BPS", PatchFormat::Bps},
    {"IpsCapitals", "PATCH", "C:\\roms\\game.IpS", PatchFormat::Ips},
    {"HeaderCutShort", "PATC", "game.ips.txt", PatchFormat::Unknown},
    {"OtherFile", "NES\x1a", "game.nes", PatchFormat::Unknown},
    {"NoName", "", "ips", PatchFormat::Unknown},
};

void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }

class PatchFormatOf : public testing::TestWithParam<FormatRow> {};

TEST_P(PatchFormatOf, BytesAndFileName) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(patch::formatOfBytes(std::vector<std::uint8_t>(row.bytes.begin(), row.bytes.end())), row.format);
    EXPECT_EQ(patch::formatOfFileName(row.fileName), row.format);
}

INSTANTIATE_TEST_SUITE_P(Rows, PatchFormatOf, testing::ValuesIn(kFormatRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PatchFormat, ApplyRefusesOtherFiles) {
    std::vector<std::uint8_t> target, p;
    EXPECT_EQ(patch::applyPatch({1, 2}, {'N', 'E', 'S', 0x1A}, target), PatchResult::NotAPatch);
    EXPECT_EQ(patch::makePatch(PatchFormat::Unknown, {1, 2}, {1, 3}, p), PatchResult::NotAPatch);
    EXPECT_TRUE(target.empty());
    EXPECT_TRUE(p.empty());
}

}  // namespace

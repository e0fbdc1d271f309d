// Recognising a patch by its first bytes and by its file name, and the message of every outcome.
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

// The sentences the editor and tamsel-cli show, each ended there by "!".
TEST(PatchResultMessage, EveryOutcomeHasItsOwnSentence) {
    const std::pair<PatchResult, const char*> rows[] = {
        {PatchResult::Ok, "Done"},
        {PatchResult::NotAPatch, "This file is not an IPS or BPS patch"},
        {PatchResult::Damaged, "This patch is damaged"},
        {PatchResult::WrongSource, "This patch was made for a different ROM"},
        {PatchResult::ResultMismatch, "The patched image does not match this patch"},
        {PatchResult::TooLargeForIps, "Images over 16 MiB cannot be IPS-patched"},
        {PatchResult::TooLarge, "Images over 64 MiB cannot be patched"},
        {PatchResult::OutOfMemory, "There is not enough memory for this patch"}};
    for (const auto& [result, sentence] : rows) EXPECT_EQ(patch::message(result), sentence);
}

}  // namespace

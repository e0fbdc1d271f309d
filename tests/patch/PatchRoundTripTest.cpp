// The reference images and their edited versions: an IPS and a BPS patch between them give
// the edited image back byte for byte. (What the writers put in a patch is their own tests' work.)
#include <gtest/gtest.h>

#include "patch/PatchFormat.h"
#include "support/TestSupport.h"

namespace {

using patch::PatchFormat;
using patch::PatchResult;
using Bytes = std::vector<std::uint8_t>;

struct Row {
    const char* name;
    std::string original, edited;
    PatchFormat format;
};

const Row kRows[] = {
    {"NesIps", "nes-1/game.nes", "nes-1/expected/edited.nes", PatchFormat::Ips},
    {"NesBps", "nes-1/game.nes", "nes-1/expected/edited.nes", PatchFormat::Bps},
    {"SnesIps", "snes-1/game.smc", "snes-1/expected/edited.smc", PatchFormat::Ips},
    {"SnesBps", "snes-1/game.smc", "snes-1/expected/edited.smc", PatchFormat::Bps},
    {"SnesOverflowIps", "snes-overflow-2/game.smc", "snes-overflow-2/expected/edited.smc", PatchFormat::Ips},
    {"SnesOverflowBps", "snes-overflow-2/game.smc", "snes-overflow-2/expected/edited.smc", PatchFormat::Bps},
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class PatchRoundTrip : public testing::TestWithParam<Row> {};

TEST_P(PatchRoundTrip, GivesEditedImage) {
    REQUIRE_FIXTURES();
    const Row& row = GetParam();
    const Bytes original = testsupport::readBytes(testsupport::fixture(row.original));
    const Bytes edited = testsupport::readBytes(testsupport::fixture(row.edited));
    ASSERT_NE(original, edited);
    Bytes p, back;
    ASSERT_EQ(patch::makePatch(row.format, original, edited, p), PatchResult::Ok);
    ASSERT_EQ(patch::applyPatch(original, p, back), PatchResult::Ok);
    EXPECT_EQ(back, edited);
}

INSTANTIATE_TEST_SUITE_P(Rows, PatchRoundTrip, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

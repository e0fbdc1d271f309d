// The reference images and their edited versions: an IPS and a BPS patch between them give
// the edited image back byte for byte, and the BPS patch is little more than the changed bytes.
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
    if (row.format != PatchFormat::Bps) return;
    // Changed bytes, and the runs of them, each run needing at most two actions.
    std::size_t changed = 0, runs = 0;
    for (std::size_t i = 0; i < edited.size(); ++i) {
        const bool differs = i >= original.size() || original[i] != edited[i];
        changed += differs;
        runs += differs && (i == 0 || !(i - 1 >= original.size() || original[i - 1] != edited[i - 1]));
    }
    // "BPS1", three sizes of at most 4 bytes (images up to 256 MiB), the 12-byte footer, and
    // actions of at most 3 bytes (runs up to 2 MiB): one target read and one source read per
    // run, and a last source read.
    const std::size_t overhead = 4 + 3 * 4 + 12 + 3 * (2 * runs + 1);
    EXPECT_LE(p.size(), changed + overhead) << changed << " changed bytes in " << runs << " runs";
}

INSTANTIATE_TEST_SUITE_P(Rows, PatchRoundTrip, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Recognising a patch by its first bytes and by its file name; the reference images and their edited versions:
// an IPS and a BPS patch between them give the edited image back byte for byte. (What the writers put in a patch
// is their own tests' work.)
#include <gtest/gtest.h>

#include "patch/PatchFormat.h"
#include "support/TestSupport.h"

namespace {

using patch::PatchFormat;
using patch::PatchResult;
using Bytes = std::vector<std::uint8_t>;

TEST(PatchFormat, KnownByItsBytesAndByItsFileName) {
    const std::tuple<std::string, std::string, PatchFormat> rows[] = {
        {"PATCHEOF", "league.ips", PatchFormat::Ips},      {"BPS1\x80", "League.BPS", PatchFormat::Bps},
        {"PATCH", "C:\\roms\\game.IpS", PatchFormat::Ips}, {"PATC", "game.ips.txt", PatchFormat::Unknown},
        {"NES\x1a", "game.nes", PatchFormat::Unknown},     {"", "ips", PatchFormat::Unknown}};
    for (const auto& [bytes, fileName, format] : rows) {
        EXPECT_EQ(patch::formatOfBytes(Bytes(bytes.begin(), bytes.end())), format) << bytes;
        EXPECT_EQ(patch::formatOfFileName(fileName), format) << fileName;
    }
    Bytes target, p;
    EXPECT_EQ(patch::applyPatch({1, 2}, {'N', 'E', 'S', 0x1A}, target), PatchResult::NotAPatch);
    EXPECT_EQ(patch::makePatch(PatchFormat::Unknown, {1, 2}, {1, 3}, p), PatchResult::NotAPatch);
    EXPECT_TRUE(target.empty() && p.empty());
}

TEST(PatchFormat, ReferenceImagesPatchedToTheirEditedImages) {
    REQUIRE_FIXTURES();
    for (const std::string folder : {"nes-1/game.nes", "snes-1/game.smc", "snes-overflow-2/game.smc"})
        for (const PatchFormat format : {PatchFormat::Ips, PatchFormat::Bps}) {
            const std::string edited =
                folder.substr(0, folder.find('/')) + "/expected/edited" + folder.substr(folder.size() - 4);
            SCOPED_TRACE(edited + (format == PatchFormat::Ips ? " (IPS)" : " (BPS)"));
            const Bytes original = testsupport::readBytes(testsupport::fixture(folder));
            const Bytes want = testsupport::readBytes(testsupport::fixture(edited));
            Bytes p, back;
            ASSERT_EQ(patch::makePatch(format, original, want, p), PatchResult::Ok);
            ASSERT_EQ(patch::applyPatch(original, p, back), PatchResult::Ok);
            EXPECT_TRUE(back == want && back != original);
        }
}

}  // namespace

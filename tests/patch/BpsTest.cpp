// BPS patches spelled out byte by byte (the checksums computed here by zlib): each of the
// four actions with cursors moving both ways, a run copied from its own output, and each
// refusal.
#include <gtest/gtest.h>
#include <zlib.h>

#include "patch/Bps.h"
#include "support/TestSupport.h"

namespace {

using patch::PatchResult;
using testsupport::hexBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

void putCrc(Bytes& out, const Bytes& data) {
    const auto crc = static_cast<std::uint32_t>(crc32(0L, data.data(), static_cast<uInt>(data.size())));
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
}

// A patch from its body with the footer: checksums of source, of target and of the patch.
Bytes withFooter(const std::string& bodyHex, const Bytes& source, const Bytes& target) {
    Bytes p = hexBytes(bodyHex);
    putCrc(p, source);
    putCrc(p, target);
    putCrc(p, p);
    return p;
}

const std::string kHead = "42 50 53 31 ";  // BPS1
const std::string kSource = "ABCDEFGH";

// name, the body (header, sizes, metadata and actions), the target checksummed in the footer and the result, the
// source it is applied to, the outcome
const std::tuple<const char*, std::string, std::string, std::string, PatchResult> kRows[] = {
    // sizes 8, 8, no metadata; SourceRead 2, TargetRead 2 "xy", SourceRead 4
    {"SourceAndTargetReads", kHead + "88 88 80 84 85 78 79 8C", "ABxyEFGH", kSource, PatchResult::Ok},
    // SourceCopy 4 from +4, then SourceCopy 4 from -8
    {"SourceCopyBothWays", kHead + "88 88 80 8E 88 8E 91", "EFGHABCD", kSource, PatchResult::Ok},
    // TargetRead 4 "wxyz", TargetCopy 2 from +2, TargetCopy 2 from -4
    {"TargetCopyBothWays", kHead + "88 88 80 8D 77 78 79 7A 87 84 87 89", "wxyzyzwx", kSource, PatchResult::Ok},
    // target size 200 (two bytes), 3 bytes of metadata; TargetRead "Z", TargetCopy 199 from 0 (two bytes)
    {"TargetCopyRepeatsItsOutput", kHead + "88 48 80 83 6D 65 74 81 5A 1B 85 80", std::string(200, 'Z'), kSource,
     PatchResult::Ok},
    {"OtherSourceBytes", kHead + "88 88 80 84 85 78 79 8C", "ABxyEFGH", "ABCDEFGX", PatchResult::WrongSource},
    {"OtherSourceSize", kHead + "89 88 80 84 85 78 79 8C", "ABxyEFGH", kSource, PatchResult::WrongSource},
    {"ResultChecksumFails", kHead + "88 88 80 84 85 78 79 8C", "ABxyEFGX", kSource, PatchResult::ResultMismatch},
    {"NotBps1", "42 50 53 32 88 88 80 84 85 78 79 8C", "ABxyEFGH", kSource, PatchResult::Damaged},
    {"SourceReadPastSource", kHead + "88 89 80 A0", "ABCDEFGHI", kSource, PatchResult::Damaged},
    {"SourceCopyBeforeStart", kHead + "88 81 80 82 83", "A", kSource, PatchResult::Damaged},
    {"SourceCopyPastEnd", kHead + "88 82 80 86 8E", "HA", kSource, PatchResult::Damaged},
    {"TargetCopyOfUnwrittenBytes", kHead + "88 81 80 83 80", "A", kSource, PatchResult::Damaged},
    {"TargetCopyBeforeStart", kHead + "88 82 80 81 5A 83 83", "ZZ", kSource, PatchResult::Damaged},
    {"TargetReadIntoFooter", kHead + "88 83 80 89 78 79", "xy", kSource, PatchResult::Damaged},
    {"WritePastTargetSize", kHead + "88 82 80 88", "ABC", kSource, PatchResult::Damaged},
    {"TargetLeftShort", kHead + "88 88 80 8C", "ABCD", kSource, PatchResult::Damaged},
    {"MetadataPastFooter", kHead + "88 88 85 41", "", kSource, PatchResult::Damaged},
    {"NumberCutShort", kHead + "88 88 80 04", "", kSource, PatchResult::Damaged},
    // target size 64 MiB + 1: refused before anything is built
    {"TargetOver64MiB", kHead + "88 01 7F 7E 9E 80 81 5A", "Z", kSource, PatchResult::TooLarge},
    {"NumberOver64Bits", kHead + "7F 7F 7F 7F 7F 7F 7F 7F 7F 81 88 80", "", kSource, PatchResult::Damaged},
};

TEST(BpsApply, GivesTargetOrRefuses) {
    for (const auto& [name, body, result, appliedTo, outcome] : kRows) {
        SCOPED_TRACE(name);
        Bytes target = {0x55};
        EXPECT_EQ(patch::applyBps(text(appliedTo), withFooter(body, text(kSource), text(result)), target), outcome);
        EXPECT_EQ(target, outcome == PatchResult::Ok ? text(result) : Bytes{0x55});
    }
}

TEST(BpsApply, RefusesPatchFailingItsOwnChecksum) {
    const Bytes good = withFooter(kHead + "88 88 80 84 85 78 79 8C", text(kSource), text("ABxyEFGH"));
    Bytes target;
    ASSERT_EQ(patch::applyBps(text(kSource), good, target), PatchResult::Ok);
    for (std::size_t at : {std::size_t{9}, good.size() - 1}) {
        SCOPED_TRACE(at);
        Bytes bad = good;
        bad[at] ^= 1;
        EXPECT_EQ(patch::applyBps(text(kSource), bad, target), PatchResult::Damaged);
    }
    EXPECT_EQ(patch::applyBps(text(kSource), Bytes(good.begin(), good.begin() + 18), target), PatchResult::Damaged);
}

TEST(BpsWriter, ReadsUnchangedAndCarriesChangedBytes) {
    const Bytes original = text("ABCDEFGH"), modified = text("ABxyEFGHIJ");
    Bytes p, back;
    ASSERT_EQ(patch::makeBps(original, modified, p), PatchResult::Ok);
    // SourceRead 2, TargetRead 2 "xy", SourceRead 4, TargetRead 2 "IJ"
    EXPECT_EQ(p, withFooter(kHead + "88 8A 80 84 85 78 79 8C 85 49 4A", original, modified));
    ASSERT_EQ(patch::applyBps(original, p, back), PatchResult::Ok);
    EXPECT_EQ(back, modified);
}

}  // namespace

// IPS patches spelled out byte by byte, each refusal of a malformed one, and the writer's
// records at the "EOF" offset, at the record size limit, for runs and for a shorter image.
#include <gtest/gtest.h>

#include <array>

#include "patch/Ips.h"
#include "support/TestSupport.h"

namespace {

using patch::PatchResult;
using testsupport::hexBytes;
using Bytes = std::vector<std::uint8_t>;

const std::string kHead = "50 41 54 43 48 ";  // PATCH
const std::string kEof = " 45 4F 46";         // EOF

// name, the patch, the outcome, the result when applied to 00 01 .. 07
const std::tuple<const char*, std::string, PatchResult, std::string> kApplyRows[] = {
    {"EmptyPatch", kHead + kEof, PatchResult::Ok, "00 01 02 03 04 05 06 07"},
    {"Record", kHead + "00 00 02 00 02 AA BB" + kEof, PatchResult::Ok, "00 01 AA BB 04 05 06 07"},
    {"RunLengthRecord", kHead + "00 00 01 00 00 00 04 CC" + kEof, PatchResult::Ok, "00 CC CC CC CC 05 06 07"},
    {"RecordGrowsImageWithZeroGap", kHead + "00 00 0A 00 02 EE FF" + kEof, PatchResult::Ok,
     "00 01 02 03 04 05 06 07 00 00 EE FF"},
    {"RunGrowsImage", kHead + "00 00 07 00 00 00 02 DD" + kEof, PatchResult::Ok, "00 01 02 03 04 05 06 DD DD"},
    {"TruncatedShorter", kHead + "00 00 01 00 01 99" + kEof + " 00 00 04", PatchResult::Ok, "00 99 02 03"},
    {"TruncatedLongerKeepsTheSize", kHead + kEof + " 00 00 0A", PatchResult::Ok, "00 01 02 03 04 05 06 07"},
    {"TruncatedToTheSameSize", kHead + kEof + " 00 00 08", PatchResult::Ok, "00 01 02 03 04 05 06 07"},
    {"TruncatedAfterGrowing", kHead + "00 00 08 00 02 EE FF" + kEof + " 00 00 09", PatchResult::Ok,
     "00 01 02 03 04 05 06 07 EE"},
    {"TruncatedToNothing", kHead + kEof + " 00 00 00", PatchResult::Ok, ""},
    {"NoHeader", "50 41 54 43 58" + kEof, PatchResult::Damaged, ""},
    {"EmptyFile", "", PatchResult::Damaged, ""},
    {"RecordHeaderCut", kHead + "00 00 02 00", PatchResult::Damaged, ""},
    {"RecordBytesCut", kHead + "00 00 02 00 04 AA BB", PatchResult::Damaged, ""},
    {"RunLengthCut", kHead + "00 00 01 00 00 00 04", PatchResult::Damaged, ""},
    {"RunOfNothingWritesNothing", kHead + "00 00 01 00 00 00 00 CC 00 00 0C 00 00 00 00 CC" + kEof, PatchResult::Ok,
     "00 01 02 03 04 05 06 07"},
    {"MissingEof", kHead + "00 00 02 00 01 AA", PatchResult::Damaged, ""},
    {"OneStrayByte", kHead + kEof + " 00", PatchResult::Damaged, ""},
    {"FourStrayBytes", kHead + kEof + " 00 00 04 00", PatchResult::Damaged, ""},
};

TEST(IpsApply, GivesTargetOrRefuses) {
    for (const auto& [name, patchBytes, result, expected] : kApplyRows) {
        SCOPED_TRACE(name);
        Bytes target = {0x55};
        EXPECT_EQ(patch::applyIps(hexBytes("00 01 02 03 04 05 06 07"), hexBytes(patchBytes), target), result);
        EXPECT_EQ(target, result == PatchResult::Ok ? hexBytes(expected) : Bytes{0x55});
    }
}

// The records of a patch as (offset, size, run length), read here without the reader.
struct Record {
    std::size_t offset, size, run;
    bool operator==(const Record&) const = default;
};
std::vector<Record> recordsOf(const Bytes& p) {
    std::vector<Record> out;
    for (std::size_t at = 5; at + 3 <= p.size() && !(p[at] == 'E' && p[at + 1] == 'O' && p[at + 2] == 'F');) {
        const std::size_t size = p[at + 3] << 8 | p[at + 4];
        const std::size_t run = size ? 0 : p[at + 5] << 8 | p[at + 6];
        out.push_back({std::size_t(p[at]) << 16 | p[at + 1] << 8 | p[at + 2], size, run});
        at += 5 + (size ? size : 3);
    }
    return out;
}

// The modified image: the (zero) original resized, then runs of bytes from..from+count set to `value`, or
// (value -1) to bytes that differ from zero and never repeat their neighbour.
// name, the sizes of the original and the modified image, the runs (from, count, value), the records, the bytes
// after "EOF"
const std::tuple<const char*, std::size_t, std::size_t, std::vector<std::array<int, 3>>, std::vector<Record>,
                 std::string>
    kWriterRows[] = {
        {"ChangeAtEofOffsetStartsOneEarlier", 0x454F50, 0x454F50, {{0x454F46, 1, 1}}, {{0x454F45, 2, 0}}, ""},
        {"SplitLandingOnEofOffsetStartsOneEarlier",
         0x454F60,
         0x454F60,
         {{0x444F47, 0xFFFF + 11, -1}},
         {{0x444F47, 0xFFFF, 0}, {0x454F45, 12, 0}},
         ""},
        {"LongRunSplits", 0x20000, 0x20000, {{0x10, 0x18000, -1}}, {{0x10, 0xFFFF, 0}, {0x1000F, 0x8001, 0}}, ""},
        {"RunOfOneByte", 0x400, 0x400, {{0x20, 0x100, 0xAA}}, {{0x20, 0, 0x100}}, ""},
        {"NearbyChangesShareRecord",
         0x40,
         0x40,
         {{0x10, 1, 1}, {0x14, 1, 2}, {0x20, 1, 3}},
         {{0x10, 5, 0}, {0x20, 1, 0}},
         ""},
        {"ShrinkWritesLength", 16, 10, {}, {}, "00 00 0A"},
        {"GrowWithZerosReachesFullLength", 4, 8, {{4, 1, 9}}, {{4, 4, 0}}, ""},
};

TEST(IpsWriter, RecordsAndRoundTrip) {
    for (const auto& [name, originalSize, modifiedSize, runs, records, tailHex] : kWriterRows) {
        SCOPED_TRACE(name);
        const Bytes original(originalSize, 0);
        Bytes modified(modifiedSize, 0);
        for (const auto& [from, count, value] : runs)
            for (int i = 0; i < count; ++i)
                modified[static_cast<std::size_t>(from + i)] =
                    static_cast<std::uint8_t>(value < 0 ? 1 + i % 251 : value);
        Bytes p, back;
        ASSERT_EQ(patch::makeIps(original, modified, p), PatchResult::Ok);
        EXPECT_EQ(recordsOf(p), records);
        const Bytes tail = hexBytes(tailHex);
        ASSERT_GE(p.size(), tail.size() + 3);
        EXPECT_EQ(Bytes(p.end() - static_cast<std::ptrdiff_t>(tail.size() + 3), p.end()),
                  hexBytes("45 4F 46 " + tailHex));
        ASSERT_EQ(patch::applyIps(original, p, back), PatchResult::Ok);
        EXPECT_EQ(back, modified);
    }
}

TEST(IpsWriter, RefusesImagesOver16MiB) {
    const Bytes limit(patch::kIpsMaxImage, 0), over(patch::kIpsMaxImage + 1, 0);
    Bytes p = {0x55};
    EXPECT_EQ(patch::makeIps(limit, over, p), PatchResult::TooLargeForIps);
    EXPECT_EQ(patch::makeIps(over, limit, p), PatchResult::TooLargeForIps);
    EXPECT_EQ(p, Bytes{0x55});
    EXPECT_EQ(patch::makeIps(limit, limit, p), PatchResult::Ok);
}

}  // namespace

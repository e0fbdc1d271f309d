#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <tuple>

#include "model/clsPlayer.h"
#include "support/TestSupport.h"

using testsupport::hexBytes;
using Bytes = std::vector<std::uint8_t>;

// Players spelled "first|last|jersey|feet|inches|weight|position|FG|FT|3PT".
static clsPlayer make(const std::string& fields) {
    std::string f[10];
    std::istringstream in(fields);
    for (auto& x : f) std::getline(in, x, '|');
    auto n = [&](int i) { return std::stoi(f[i]); };
    clsPlayer p;
    p.setFirst(f[0]), p.setLast(f[1]), p.setJersey(n(2)), p.setFeet(n(3)), p.setInch(n(4)), p.setWeight(n(5));
    p.setPosition(n(6)), p.setFGpercent(n(7)), p.setFTpercent(n(8)), p.set3PTpercent(n(9));
    return p;
}

TEST(PlayerDataRecord, EncodesWithQuartersRoundedHalfToEvenOrRefusesAndDecodesUnlessCutShort) {
    const char* kept = "KEEP|ME|5|6|7|200|2|40|80|12";
    // the player to encode (none: decode only), its record (empty: refused), the player read back, the length read (0: none)
    const std::tuple<const char*, const char*, const char*, std::size_t> rows[] = {
        {"AB|CDE|32|6|9|220|0|48|84|20", "41 42 20 43 44 45 80 32 69 37 0C 15 05", "AB|CDE|32|6|9|220|0|48|84|20", 13},
        {"|LEE|7|5|11|218|4|0|100|1021", "20 4C 45 45 84 07 5B 36 00 19 FF", "|LEE|7|5|11|216|4|0|100|1020", 11},
        {"JO ANN|LEE|99|7|0|1024|1|-2|8|12", "4A 4F 20 41 4E 4E 20 4C 45 45 81 99 70 00 00 02 03", "JO|ANNLEE|99|7|0|0|1|0|8|12", 17},
        {"A|B|10|17|20|222|9|50|54|2", "41 20 42 89 10 14 38 0C 0E 00", "A|B|10|1|4|224|1|48|56|0", 10},
        {"A|B|0|0|0|-6|0|6|10|14", "41 20 42 80 00 00 FE 02 02 04", "A|B|0|0|0|1016|0|8|8|16", 10},
        {"A|B|100|0|0|0|0|0|0|0", "", kept, 0}, {"A|B|0|0|0|0|0|-3|0|0", "", kept, 0},
        {"A|B|0|0|0|0|0|0|1022|0", "", kept, 0}, {"A|B|0|0|0|0|0|0|0|-3", "", kept, 0},
        {nullptr, "41 42 43 85 1A FF 00 00 00 00 EE", "ABC||1|15|15|0|5|0|0|0", 10},  // jersey digits stop at A-F
        {nullptr, "41 20 7F 80 9F 00 FF FF FF FF", "A|\x7F|9|0|0|1020|0|1020|1020|1020", 10},
        {nullptr, "FF A5 00 00 00 00 00", "||0|0|0|0|7|0|0|0", 7}, {nullptr, "41 42 20 43", kept, 0}, {nullptr, "80 01 02 03 04 05", kept, 0},
        {nullptr, "41 42 20 43 44 45 80 32 69 37 0C 15", kept, 0}};  // the last three are cut short
    for (const auto& [in, hex, out, length] : rows) {
        Bytes bytes = hexBytes(hex), record{0xEE};  // bytes exactly sized, so a read beyond them is caught
        const bool stored = in && make(in).getDataArray(record);
        EXPECT_EQ(std::pair(stored, record), std::pair(in && *hex, in && *hex ? bytes : Bytes{0xEE})) << hex;
        clsPlayer p = make(kept);
        EXPECT_EQ(p.decodeDataRecord(bytes.data(), bytes.size()), length) << hex;
        EXPECT_TRUE(p == make(out)) << hex;
    }
}

TEST(PlayerRatings, RatingRecordsReadAndWriteBackForBothEditions) {
    // record in the image, then getAttBytes (field order, unknown byte last; NES keeps 0x77)
    const std::tuple<ConsoleKind, const char*, const char*> rows[] = {
        {Console::Nes, "11 99 8A 42 64 5C", "11 99 64 5C 8A 42 77"}, {Console::Nes, "FF FF FF FF FF FF", "FF FF FF FF FF FF 77"},
        {Console::Snes, "11 99 8A 42 64 5C 3C", "11 99 64 5C 8A 42 3C"}, {Console::Snes, "FF FF FF FF FF FF FF", "FF FF FF FF FF FF FF"}};
    for (const auto& [kind, record, att] : rows) {
        Bytes in = hexBytes(record), out(in.size() + 1, 0xD5);
        clsPlayer p;
        p.setUnknownByte(0x77);
        p.readRatingRecord(in.data(), kind);
        p.writeRatingRecord(out.data(), kind);
        EXPECT_EQ(std::apply([](auto... b) { return Bytes{b...}; }, p.getAttBytes()), hexBytes(att)) << record;
        EXPECT_EQ(out, hexBytes(std::string(record) + " D5")) << record << ", nothing beyond the record";
    }
}


#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "model/PlayerField.h"
#include "model/clsPlayer.h"
#include "support/TestSupport.h"

using testsupport::hexBytes;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Players spelled "first|last|jersey|feet|inches|weight|position|FG|FT|3PT".
clsPlayer make(const std::string& fields) {
    std::string f[10];
    std::istringstream in(fields);
    for (auto& x : f) std::getline(in, x, '|');
    clsPlayer p;
    p.setFirst(f[0]);
    p.setLast(f[1]);
    for (int i = 0; i <= PlayerField::Threept; ++i) kPlayerFields[i].set(p, std::stoi(f[i + 2]));  // jersey on
    return p;
}

// A record from a player, read back; what one byte cannot hold gives no record.
TEST(PlayerDataRecord, EncodesWithQuartersRoundedHalfToEvenAndReadsBackOrRefuses) {
    struct Row {
        const char* name;
        const char* player;
        const char* record;
        const char* readBack;
    };
    const Row rows[] = {
        {"every field", "AB|CDE|32|6|9|220|0|48|84|20", "41 42 20 43 44 45 80 32 69 37 0C 15 05",
         "AB|CDE|32|6|9|220|0|48|84|20"},
        {"an empty first name, 218 lb stored as 54", "|LEE|7|5|11|218|4|0|100|1021", "20 4C 45 45 84 07 5B 36 00 19 FF",
         "|LEE|7|5|11|216|4|0|100|1020"},
        {"a blank in the first name, 1024 lb stored as 0", "JO ANN|LEE|99|7|0|1024|1|-2|8|12",
         "4A 4F 20 41 4E 4E 20 4C 45 45 81 99 70 00 00 02 03", "JO|ANNLEE|99|7|0|0|1|0|8|12"},
        {"feet and inches keep 4 bits, 222 lb stored as 56", "A|B|10|17|20|222|9|50|54|2",
         "41 20 42 89 10 14 38 0C 0E 00", "A|B|10|1|4|224|1|48|56|0"},
        {"a negative weight wraps", "A|B|0|0|0|-6|0|6|10|14", "41 20 42 80 00 00 FE 02 02 04",
         "A|B|0|0|0|1016|0|8|8|16"},
        // what one byte cannot hold: no record
        {"jersey 100", "A|B|100|0|0|0|0|0|0|0", "", ""},
        {"FG -3", "A|B|0|0|0|0|0|-3|0|0", "", ""},
        {"FT 1022", "A|B|0|0|0|0|0|0|1022|0", "", ""},
        {"3PT -3", "A|B|0|0|0|0|0|0|0|-3", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Bytes record{0xEE};
        EXPECT_EQ(make(row.player).getDataArray(record), *row.record != 0);
        if (*row.record == 0) {
            EXPECT_EQ(record, Bytes{0xEE});
            continue;
        }
        EXPECT_EQ(record, hexBytes(row.record));
        clsPlayer p;
        EXPECT_EQ(p.decodeDataRecord(record.data(), record.size()), record.size());
        EXPECT_TRUE(p == make(row.readBack));
    }
}

TEST(PlayerDataRecord, DecodesRecordsOfTheImageUnlessCutShort) {
    const char* kept = "KEEP|ME|5|6|7|200|2|40|80|12";
    struct Row {
        const char* name;
        const char* record;  // exactly sized, so that a read beyond it is caught
        std::size_t length;  // 0: cut short, the player as it was
        const char* player;
    };
    const Row rows[] = {
        {"jersey digits stop at A-F", "41 42 43 85 1A FF 00 00 00 00 EE", 10, "ABC||1|15|15|0|5|0|0|0"},
        {"every byte at its top", "41 20 7F 80 9F 00 FF FF FF FF", 10, "A|\x7F|9|0|0|1020|0|1020|1020|1020"},
        {"no name", "FF A5 00 00 00 00 00", 7, "||0|0|0|0|7|0|0|0"},
        {"a name without its end", "41 42 20 43", 0, kept},
        {"six bytes after the name", "80 01 02 03 04 05", 0, kept},
        {"one byte short", "41 42 20 43 44 45 80 32 69 37 0C 15", 0, kept},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Bytes bytes = hexBytes(row.record);
        clsPlayer p = make(kept);
        EXPECT_EQ(p.decodeDataRecord(bytes.data(), bytes.size()), row.length);
        EXPECT_TRUE(p == make(row.player));
    }
}

}  // namespace

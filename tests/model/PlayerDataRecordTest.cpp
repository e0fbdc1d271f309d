#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/clsPlayer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Fields {
    std::string first, last;
    int jersey = 0, feet = 0, inch = 0, weight = 0, position = 0, fg = 0, ft = 0, tp = 0;
};

clsPlayer make(const Fields& f) {
    clsPlayer p;
    p.setFirst(f.first);
    p.setLast(f.last);
    p.setJersey(static_cast<std::uint8_t>(f.jersey));
    p.setFeet(static_cast<std::uint8_t>(f.feet));
    p.setInch(static_cast<std::uint8_t>(f.inch));
    p.setWeight(static_cast<std::int16_t>(f.weight));
    p.setPosition(static_cast<std::uint8_t>(f.position));
    p.setFGpercent(static_cast<std::int16_t>(f.fg));
    p.setFTpercent(static_cast<std::int16_t>(f.ft));
    p.set3PTpercent(static_cast<std::int16_t>(f.tp));
    return p;
}

Fields fieldsOf(const clsPlayer& p) {
    return {p.getFirst(),  p.getLast(),     p.getJersey(),     p.getFeet(),        p.getInch(),
            p.getWeight(), p.getPosition(), p.getFGpercent(), p.getFTpercent(), p.get3PTpercent()};
}

bool operator==(const Fields& a, const Fields& b) {
    return a.first == b.first && a.last == b.last && a.jersey == b.jersey && a.feet == b.feet && a.inch == b.inch &&
           a.weight == b.weight && a.position == b.position && a.fg == b.fg && a.ft == b.ft && a.tp == b.tp;
}

std::ostream& operator<<(std::ostream& os, const Fields& f) {
    return os << '[' << f.first << '|' << f.last << "] #" << f.jersey << ' ' << f.feet << '\'' << f.inch << " "
              << f.weight << "lb pos " << f.position << " fg " << f.fg << " ft " << f.ft << " 3pt " << f.tp;
}

TEST(PlayerDataRecord, EncodesNameThenSevenInfoBytes) {
    const struct {
        const char* name;
        Fields f;
        Bytes expected;
    } rows[] = {
        {"the example player", {"AB", "CDE", 32, 6, 9, 220, 0, 48, 84, 20},
         {0x41, 0x42, 0x20, 0x43, 0x44, 0x45, 0x80, 0x32, 0x69, 0x37, 0x0C, 0x15, 0x05}},
        {"empty first name", {"", "LEE", 7, 5, 11, 180, 4, 0, 100, 1021},
         {0x20, 0x4C, 0x45, 0x45, 0x84, 0x07, 0x5B, 0x2D, 0x00, 0x19, 0xFF}},
        {"both names empty", {"", "", 0, 0, 0, 0, 0, 0, 0, 0}, {0x20, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"a space inside the first name", {"JO ANN", "LEE", 99, 7, 0, 4, 1, 4, 8, 12},
         {0x4A, 0x4F, 0x20, 0x41, 0x4E, 0x4E, 0x20, 0x4C, 0x45, 0x45, 0x81, 0x99, 0x70, 0x01, 0x01, 0x02, 0x03}},
        {"jersey 10", {"A", "B", 10}, {0x41, 0x20, 0x42, 0x80, 0x10, 0, 0, 0, 0, 0}},
        {"jersey 9", {"A", "B", 9}, {0x41, 0x20, 0x42, 0x80, 0x09, 0, 0, 0, 0, 0}},
        {"feet and inches keep their low four bits", {"A", "B", 0, 17, 20}, {0x41, 0x20, 0x42, 0x80, 0x00, 0x14, 0, 0, 0, 0}},
        {"feet 15 inches 15", {"A", "B", 0, 15, 15}, {0x41, 0x20, 0x42, 0x80, 0x00, 0xFF, 0, 0, 0, 0}},
        {"position 4", {"A", "B", 0, 0, 0, 0, 4}, {0x41, 0x20, 0x42, 0x84, 0, 0, 0, 0, 0, 0}},
        {"position 9 only gains the top bit", {"A", "B", 0, 0, 0, 0, 9}, {0x41, 0x20, 0x42, 0x89, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& r : rows) {
        Bytes out{0xEE};
        ASSERT_TRUE(make(r.f).getDataArray(out)) << r.name;
        EXPECT_EQ(out, r.expected) << r.name;
    }
}

TEST(PlayerDataRecord, QuartersRoundHalfToEvenAndWeightWrapsAround) {
    // byte L+3 (weight) and L+4..L+6 (percentages) of a player named "A B"
    const struct {
        int weight, fg, ft, tp;
        std::uint8_t w, f, t, p;
    } rows[] = {
        {218, 50, 54, 2, 54, 12, 14, 0},      // 54.5 -> 54, 12.5 -> 12, 13.5 -> 14, 0.5 -> 0
        {222, 6, 10, 14, 56, 2, 2, 4},        // 55.5 -> 56, 1.5 -> 2, 2.5 -> 2, 3.5 -> 4
        {220, 48, 84, 20, 55, 12, 21, 5},     // exact quarters
        {221, 49, 85, 21, 55, 12, 21, 5},     // x.25 goes down
        {223, 51, 87, 23, 56, 13, 22, 6},     // x.75 goes up
        {1020, 1020, 1021, 1018, 255, 255, 255, 254},
        {1024, 0, 0, 0, 0, 0, 0, 0},          // 256 wraps to 0
        {1026, -2, -1, 0, 0, 0, 0, 0},        // 256.5 -> 256 -> 0; -0.5 -> 0; -0.25 -> 0
        {1030, 0, 0, 0, 2, 0, 0, 0},          // 257.5 -> 258 -> 2
        {-4, 0, 0, 0, 0xFF, 0, 0, 0},         // -1 taken modulo 256
        {-2, 0, 0, 0, 0, 0, 0, 0},            // -0.5 -> 0
        {-6, 0, 0, 0, 0xFE, 0, 0, 0},         // -1.5 -> -2
        {32767, 0, 0, 0, 0, 0, 0, 0},         // 8191.75 -> 8192 -> 0
        {-32768, 0, 0, 0, 0, 0, 0, 0},        // -8192 -> 0
        {-1000, 0, 0, 0, 0x06, 0, 0, 0},      // -250 -> 6
    };
    for (const auto& r : rows) {
        Bytes out;
        ASSERT_TRUE(make({"A", "B", 0, 0, 0, r.weight, 0, r.fg, r.ft, r.tp}).getDataArray(out)) << r.weight;
        ASSERT_EQ(out.size(), 10u);
        EXPECT_EQ(out[6], r.w) << "weight " << r.weight;
        EXPECT_EQ(out[7], r.f) << "FG " << r.fg;
        EXPECT_EQ(out[8], r.t) << "FT " << r.ft;
        EXPECT_EQ(out[9], r.p) << "3PT " << r.tp;
    }
}

TEST(PlayerDataRecord, FailsWhenJerseyOrAPercentageDoesNotFit) {
    const struct {
        const char* name;
        Fields f;
    } rows[] = {
        {"jersey 100", {"A", "B", 100}},
        {"jersey 255", {"A", "B", 255}},
        {"FG -3", {"A", "B", 0, 0, 0, 0, 0, -3, 0, 0}},
        {"FG 1022", {"A", "B", 0, 0, 0, 0, 0, 1022, 0, 0}},
        {"FT -3", {"A", "B", 0, 0, 0, 0, 0, 0, -3, 0}},
        {"FT 1022", {"A", "B", 0, 0, 0, 0, 0, 0, 1022, 0}},
        {"3PT -3", {"A", "B", 0, 0, 0, 0, 0, 0, 0, -3}},
        {"3PT 1022", {"A", "B", 0, 0, 0, 0, 0, 0, 0, 1022}},
        {"3PT 32767", {"A", "B", 0, 0, 0, 0, 0, 0, 0, 32767}},
        {"FG -32768", {"A", "B", 0, 0, 0, 0, 0, -32768, 0, 0}},
    };
    for (const auto& r : rows) {
        Bytes out{1, 2, 3};
        EXPECT_FALSE(make(r.f).getDataArray(out)) << r.name;
        EXPECT_EQ(out, (Bytes{1, 2, 3})) << r.name << ": nothing written";
    }
    // the bounds themselves still fit
    for (int v : {-2, 1021}) {
        Bytes out;
        EXPECT_TRUE(make({"A", "B", 99, 0, 0, 0, 0, v, v, v}).getDataArray(out)) << v;
    }
}

TEST(PlayerDataRecord, DecodesNamesAndInfoBytes) {
    const struct {
        const char* name;
        Bytes bytes;
        Fields expected;
        std::size_t length;
    } rows[] = {
        {"the example player", {0x41, 0x42, 0x20, 0x43, 0x44, 0x45, 0x80, 0x32, 0x69, 0x37, 0x0C, 0x15, 0x05},
         {"AB", "CDE", 32, 6, 9, 220, 0, 48, 84, 20}, 13},
        {"empty first name", {0x20, 0x4C, 0x45, 0x45, 0x84, 0x07, 0x5B, 0x2D, 0x00, 0x19, 0xFF},
         {"", "LEE", 7, 5, 11, 180, 4, 0, 100, 1020}, 11},
        {"second space joins the last name", {'J', 'O', ' ', 'A', 'N', 'N', ' ', 'L', 'E', 'E', 0x81, 0x99, 0x70, 1, 1, 2, 3},
         {"JO", "ANNLEE", 99, 7, 0, 4, 1, 4, 8, 12}, 17},
        {"double space", {'A', ' ', ' ', 'B', 0x80, 0, 0, 0, 0, 0, 0}, {"A", "B"}, 11},
        {"no space at all", {'A', 'B', 'C', 0x80, 0, 0, 0, 0, 0, 0}, {"ABC", ""}, 10},
        {"no name bytes", {0x80, 0x23, 0x00, 0x00, 0x00, 0x00, 0x00}, {"", "", 23}, 7},
        {"top bytes of every field", {'A', 0x20, 0x7F, 0xFF, 0x99, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         {"A", "\x7F", 99, 15, 15, 1020, 7, 1020, 1020, 1020}, 10},
        {"position keeps its low three bits", {0x85, 0, 0, 0, 0, 0, 0}, {"", "", 0, 0, 0, 0, 5}, 7},
        {"bytes after the record are not read", {'X', 0x20, 'Y', 0x80, 1, 2, 3, 4, 5, 6, 'Z', 'Z', 0x80},
         {"X", "Y", 1, 0, 2, 12, 0, 16, 20, 24}, 10},
    };
    for (const auto& r : rows) {
        clsPlayer p;
        p.setJump(177);
        p.setDataPtr(0x1234);
        EXPECT_EQ(p.decodeDataRecord(r.bytes.data(), r.bytes.size()), r.length) << r.name;
        EXPECT_EQ(fieldsOf(p), r.expected) << r.name;
        EXPECT_EQ(p.getJump(), 177) << r.name << ": ratings are not part of the record";
        EXPECT_EQ(p.getDataPtr(), 0x1234) << r.name;
    }
}

TEST(PlayerDataRecord, JerseyDigitsReadAsDecimalUntilAHexLetter) {
    const struct {
        std::uint8_t byte;
        int jersey;
    } rows[] = {{0x23, 23}, {0x07, 7}, {0x00, 0}, {0x10, 10}, {0x99, 99}, {0x90, 90},
                {0x1A, 1},  {0x9F, 9}, {0xA5, 0}, {0xF0, 0},  {0xFF, 0},  {0x0B, 0}};
    for (const auto& r : rows) {
        const Bytes rec{0x80, r.byte, 0, 0, 0, 0, 0};
        clsPlayer p;
        p.setJersey(77);
        ASSERT_EQ(p.decodeDataRecord(rec.data(), rec.size()), 7u);
        EXPECT_EQ(p.getJersey(), r.jersey) << std::hex << int(r.byte);
    }
}

TEST(PlayerDataRecord, ARecordRunningPastTheBufferDecodesNothing) {
    const Bytes example{0x41, 0x42, 0x20, 0x43, 0x44, 0x45, 0x80, 0x32, 0x69, 0x37, 0x0C, 0x15, 0x05};
    const struct {
        const char* name;
        Bytes bytes;
    } rows[] = {
        {"empty buffer", {}},
        {"name without its end", {'A', 'B', ' ', 'C'}},
        {"one info byte missing", Bytes(example.begin(), example.end() - 1)},
        {"only the position byte", Bytes(example.begin(), example.begin() + 7)},
        {"info bytes without a name", {0x80, 1, 2, 3, 4, 5}},
    };
    for (const auto& r : rows) {
        // an exact-size copy on the heap, so that a read past its end is caught
        std::vector<std::uint8_t> heap(r.bytes);
        clsPlayer p = make({"KEEP", "ME", 5, 6, 7, 200, 2, 40, 80, 12});
        clsPlayer before = p;
        EXPECT_EQ(p.decodeDataRecord(heap.data(), heap.size()), 0u) << r.name;
        EXPECT_EQ(p, before) << r.name;
    }
    clsPlayer p;
    EXPECT_EQ(p.decodeDataRecord(nullptr, 0), 0u);
}

TEST(PlayerDataRecord, EncodeThenDecodeGivesThePlayerBack) {
    const Fields rows[] = {
        {"AB", "CDE", 32, 6, 9, 220, 0, 48, 84, 20},
        {"", "LEE", 7, 5, 11, 180, 4, 0, 100, 1020},
        {"", "", 0, 0, 0, 0, 0, 0, 0, 0},
        {"MAGIC", "J", 99, 15, 15, 1020, 3, 1020, 1020, 1020},
        {"Q", "", 1, 7, 1, 4, 2, 4, 4, 4},
    };
    for (const auto& f : rows) {
        Bytes rec;
        ASSERT_TRUE(make(f).getDataArray(rec)) << f;
        clsPlayer back;
        EXPECT_EQ(back.decodeDataRecord(rec.data(), rec.size()), rec.size()) << f;
        EXPECT_EQ(fieldsOf(back), f);
    }
}

}  // namespace

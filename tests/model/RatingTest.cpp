// The six ratings through their descriptors: the display scale of raw bytes, and the steps, which stay
// within the game's limits and keep the bits a rating shares its byte with.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "model/Rating.h"

namespace {

using Raws = std::vector<std::pair<int, int>>;  // a raw byte, then the display value or the raw byte after a step

// The setters of the six raw bytes, in attribute order, which is also the order getAttBytes holds them in.
void (clsPlayer::*const kSet[])(std::uint8_t) = {&clsPlayer::setRunSpeed,  &clsPlayer::setJump,
                                                 &clsPlayer::setSteal,     &clsPlayer::setBlock,
                                                 &clsPlayer::setShotRange, &clsPlayer::setStamina};

// For each rating in attribute order (run speed, jumping, stealing, blocking, shooting range, stamina): the
// display scale, the steps up, the steps down.
struct Row {
    Raws scale, up, down;
};
const Row kRows[] = {
    {{{0x01, 4}, {0x0F, 60}, {0x10, 40}, {0x1F, 100}, {0xFF, 660}},
     {{30, 31}, {31, 31}, {200, 31}},
     {{1, 0}, {0, 0}, {200, 199}}},
    {{{144, 0}, {145, 2}, {147, 4}, {149, 8}, {211, 100}, {143, -2}, {0, -216}},
     {{100, 101}, {210, 211}, {211, 211}, {255, 211}},
     {{145, 144}, {144, 144}, {100, 144}, {255, 254}}},
    {{{1, 0}, {3, 2}, {5, 2}, {7, 4}, {200, 100}, {255, 128}},
     {{199, 200}, {200, 200}, {250, 200}},
     {{1, 0}, {0, 0}, {250, 249}}},
    // the face number in the high nibble stays
    {{{0x0C, 96}, {0x5C, 96}, {0xF3, 24}},
     {{0x5B, 0x5C}, {0x5C, 0x5C}, {0xF0, 0xF1}, {0x0F, 0x0C}, {0xAE, 0xAC}},
     {{0x51, 0x50}, {0x50, 0x50}, {0x3F, 0x3E}}},
    // the race flag in bit 7 stays, bits 4-6 are cleared
    {{{0x8A, 100}, {0x73, 30}, {0x0F, 150}},
     {{0x89, 0x8A}, {0x8A, 0x8A}, {0x70, 0x01}, {0x0F, 0x0A}, {0xF5, 0x86}},
     {{0xFA, 0x89}, {0x80, 0x80}, {0x7F, 0x0E}, {0xB0, 0x80}}},
    {{{0, 1}, {99, 100}, {255, 256}}, {{98, 99}, {99, 99}, {150, 99}}, {{1, 0}, {0, 0}, {150, 149}}},
};

// A player whose six rating bytes are 0x33 but for rating k's.
clsPlayer playerWith(std::size_t k, int raw) {
    clsPlayer p;
    for (auto set : kSet) (p.*set)(0x33);
    (p.*kSet[k])(static_cast<std::uint8_t>(raw));
    return p;
}

TEST(Rating, ScalesAndStepsInAttributeOrder) {
    for (std::size_t k = 0; k < std::size(kRows); ++k) {
        const Rating& rating = kRatings[k];
        SCOPED_TRACE(rating.rowName);
        for (const auto& [raw, shown] : kRows[k].scale) EXPECT_EQ(rating.value(playerWith(k, raw)), shown) << raw;
        for (const bool up : {true, false}) {
            for (const auto& [before, after] : up ? kRows[k].up : kRows[k].down) {
                clsPlayer p = playerWith(k, before);
                up ? rating.stepUp(p) : rating.stepDown(p);
                std::array<std::uint8_t, 7> expected{0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0};
                expected[k] = static_cast<std::uint8_t>(after);
                EXPECT_EQ(p.getAttBytes(), expected) << (up ? "up from " : "down from ") << before;
            }
        }
    }
    for (const int index : {-1, int{Rating::Count}}) EXPECT_EQ(Rating::at(index), nullptr) << index;
}

}  // namespace

#pragma once
#include <array>
#include <cstdint>

#include "model/clsPlayer.h"

// One of the six ratings of a player. Their order is the attribute index: the player
// editor's rows, the analysis menu's items and the report titles all follow it.
struct Rating {
    enum Index : int { RunSpeed, Jumping, Stealing, Blocking, ShootingRange, Stamina, Count };

    const char* rowName;     // as the player editor's row shows it: "Running Speed"
    const char* reportName;  // as the reports' title and the analysis menu show it: "Run Speed"
    // The raw range the steps keep: the whole byte, or the low nibble of the block/face and
    // shot range/race bytes.
    int rawMin;
    int rawMax;
    std::int16_t (clsPlayer::*scale)() const;
    void (clsPlayer::*up)();
    void (clsPlayer::*down)();

    // The display scale, as the editor shows and the reports rank it.
    int value(const clsPlayer& player) const { return (player.*scale)(); }
    // One unit up or down within the raw range.
    void stepUp(clsPlayer& player) const { (player.*up)(); }
    void stepDown(clsPlayer& player) const { (player.*down)(); }

    // The rating of an attribute index; nullptr outside 0..5.
    static const Rating* at(int index);
};

inline constexpr std::array<Rating, Rating::Count> kRatings = {{
    {"Running Speed", "Run Speed", 0, 31, &clsPlayer::getConvRunSpeed, &clsPlayer::incRS, &clsPlayer::decRS},
    {"Jumping", "Jumping", 144, 211, &clsPlayer::getConvJump, &clsPlayer::incJump, &clsPlayer::decJump},
    {"Stealing", "Stealing", 0, 200, &clsPlayer::getConvSteal, &clsPlayer::incSteal, &clsPlayer::decSteal},
    {"Blocking", "Blocking", 0, 12, &clsPlayer::getConvBlock, &clsPlayer::incBlock, &clsPlayer::decBlock},
    {"Shooting Range", "Shooting Range", 0, 10, &clsPlayer::getConvShotRange, &clsPlayer::incSR, &clsPlayer::decSR},
    {"Stamina", "Stamina", 0, 99, &clsPlayer::getConvStamina, &clsPlayer::incStam, &clsPlayer::decStam},
}};

inline const Rating* Rating::at(int index) {
    return index >= 0 && index < Count ? &kRatings[static_cast<std::size_t>(index)] : nullptr;
}

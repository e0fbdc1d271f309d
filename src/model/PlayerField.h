#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "model/Rating.h"
#include "model/clsPlayer.h"

// The numeric fields of a player under the player file's keys, in the file's order: what
// the league differences, the player queries and the bulk edits name and read.
struct PlayerField {
    enum Index : int {
        Jersey,
        Feet,
        Inch,
        Weight,
        Pos,
        Fg,
        Ft,
        Threept,
        Rspeed,
        Jump,
        Steal,
        Block,
        Shoot,
        Stam,
        Count
    };

    const char* key;  // "jersey", ... as the player file writes it, without the "="
    // The stored value as the player file writes it (the whole block/face and shot
    // range/race bytes).
    std::int64_t (*get)(const clsPlayer&);
    // Stores a value, cut to the field's width as the player file's fields are.
    void (*set)(clsPlayer&, std::int64_t);
    Rating::Index rating;  // the rating the field holds, or Rating::Count
    bool percent;          // one of the three shooting percentages

    // What the editor shows for the field: a rating's display scale, the number a
    // percentage box reads (PlayerBoxes: the stored number, 1016 as it is), else the
    // stored value.
    std::int64_t shown(const clsPlayer& player) const;

    // The field of a key, in any letter case; nullptr for any other text.
    static const PlayerField* find(std::string_view key);

    // The height in inches, feet * 12 + inch, as the queries, the team figures and the
    // bulk edits take it.
    static std::int64_t height(const clsPlayer& player) { return player.getFeet() * 12 + player.getInch(); }
};

inline constexpr std::array<PlayerField, PlayerField::Count> kPlayerFields = {{
    {"jersey", [](const clsPlayer& p) -> std::int64_t { return p.getJersey(); },
     [](clsPlayer& p, std::int64_t v) { p.setJersey(static_cast<std::uint8_t>(v)); }, Rating::Count, false},
    {"feet", [](const clsPlayer& p) -> std::int64_t { return p.getFeet(); },
     [](clsPlayer& p, std::int64_t v) { p.setFeet(static_cast<std::uint8_t>(v)); }, Rating::Count, false},
    {"inch", [](const clsPlayer& p) -> std::int64_t { return p.getInch(); },
     [](clsPlayer& p, std::int64_t v) { p.setInch(static_cast<std::uint8_t>(v)); }, Rating::Count, false},
    {"weight", [](const clsPlayer& p) -> std::int64_t { return p.getWeight(); },
     [](clsPlayer& p, std::int64_t v) { p.setWeight(static_cast<std::int16_t>(v)); }, Rating::Count, false},
    {"pos", [](const clsPlayer& p) -> std::int64_t { return p.getPosition(); },
     [](clsPlayer& p, std::int64_t v) { p.setPosition(static_cast<std::uint8_t>(v)); }, Rating::Count, false},
    {"fg", [](const clsPlayer& p) -> std::int64_t { return p.getFGpercent(); },
     [](clsPlayer& p, std::int64_t v) { p.setFGpercent(static_cast<std::int16_t>(v)); }, Rating::Count, true},
    {"ft", [](const clsPlayer& p) -> std::int64_t { return p.getFTpercent(); },
     [](clsPlayer& p, std::int64_t v) { p.setFTpercent(static_cast<std::int16_t>(v)); }, Rating::Count, true},
    {"threept", [](const clsPlayer& p) -> std::int64_t { return p.get3PTpercent(); },
     [](clsPlayer& p, std::int64_t v) { p.set3PTpercent(static_cast<std::int16_t>(v)); }, Rating::Count, true},
    {"rspeed", [](const clsPlayer& p) -> std::int64_t { return p.getRunSpeed(); },
     [](clsPlayer& p, std::int64_t v) { p.setRunSpeed(static_cast<std::uint8_t>(v)); }, Rating::RunSpeed, false},
    {"jump", [](const clsPlayer& p) -> std::int64_t { return p.getJump(); },
     [](clsPlayer& p, std::int64_t v) { p.setJump(static_cast<std::uint8_t>(v)); }, Rating::Jumping, false},
    {"steal", [](const clsPlayer& p) -> std::int64_t { return p.getSteal(); },
     [](clsPlayer& p, std::int64_t v) { p.setSteal(static_cast<std::uint8_t>(v)); }, Rating::Stealing, false},
    {"block", [](const clsPlayer& p) -> std::int64_t { return p.getBlockByte(); },
     [](clsPlayer& p, std::int64_t v) { p.setBlock(static_cast<std::uint8_t>(v)); }, Rating::Blocking, false},
    {"shoot", [](const clsPlayer& p) -> std::int64_t { return p.getShotRangeByte(); },
     [](clsPlayer& p, std::int64_t v) { p.setShotRange(static_cast<std::uint8_t>(v)); }, Rating::ShootingRange, false},
    {"stam", [](const clsPlayer& p) -> std::int64_t { return p.getStamina(); },
     [](clsPlayer& p, std::int64_t v) { p.setStamina(static_cast<std::uint8_t>(v)); }, Rating::Stamina, false},
}};

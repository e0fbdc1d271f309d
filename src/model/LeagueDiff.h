#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/clsProject.h"

// What differs between two leagues, field by field, in a fixed order: teams 0..26 with
// their fields in the team file's order (city, mascot, abbreviation, points scored and
// given, the NES uniform flag and bytes, the SNES flag and colour words), then each
// team's players 0..11 with their fields in the player file's order and the SNES rating
// record's seventh byte last, then games 0..1106, then the west and the east all-star
// slots 0..11.
namespace LeagueDiff {

// The groups a person sorts the differences into: each team's own fields (names, points,
// uniforms), the players team by team, the schedule, the all-star slots.
enum class Group { Teams, Players, Schedule, AllStars };

struct Difference {
    enum class Kind {
        TeamText,      // city, mascot, abrev
        TeamNumber,    // ps, pg
        TeamFlag,      // unifnes, unifsnes
        NesUniform,    // index 0..1, the palette index
        SnesUniform,   // index 0..127, the stored word (low byte first, all 16 bits)
        PlayerText,    // first, last
        PlayerNumber,  // jersey .. stam as the player file writes them, then unknown
        Game,          // index 0..1106; values home * 256 + visitor as stored, texts the matchups
        WestAllStar,   // index 0..11; values team * 256 + player
        EastAllStar,
    };
    Kind kind = Kind::TeamText;
    int team = 0;       // team and player kinds
    int player = 0;     // player kinds
    int index = 0;      // uniforms, games, all-star slots
    std::string field;  // team and player kinds: "city", "weight", ...
    std::string oldText, newText;
    std::int64_t oldValue = 0, newValue = 0;

    // One line a person reads and a script splits at ": " and " -> ":
    //   team 3 city: "BOSTON" -> "MIAMI"        team 3 ps: 100 -> 104
    //   team 3 unifnes: False -> True           team 3 uniform nes 1: 0x16 -> 0x27
    //   team 3 uniform snes 17: 0x7FFF -> 0x001F
    //   player 3.7 first: "JO" -> "JOE"         player 3.7 weight: 203 -> 210
    //   game 17: "BOS at MIA" -> "BOS at NYK"   west all-star 3: 15.9 -> 8.2
    // Texts are quoted (quote, backslash and bytes outside 0x20..0x7E escaped as \" \\ \xNN).
    // A game whose bytes differ but whose matchups read the same adds the stored bytes,
    // home first: game 17: "BOS at MIA" -> "BOS at MIA" (0x83 0x8A -> 0x03 0x0A).
    std::string text() const;

    Group group() const;

    // Stores the new value into the league: the one field, uniform entry, game or all-star
    // slot this difference names, exactly as the league it came from holds it (an all-star
    // slot names the same team and slot afterwards, whoever plays there now).
    void take(clsProject& league) const;
};

std::vector<Difference> compare(const clsProject& before, const clsProject& after);

// The name of taking n differences as one step: "Take 14 Changes", "Take 1 Change".
std::string takeLabel(std::size_t count);

// A text in double quotes with the escapes above.
std::string quoted(const std::string& text);

}  // namespace LeagueDiff

#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/PlayerField.h"
#include "model/Trade.h"
#include "model/clsProject.h"

// A search over the league's players: terms separated by blanks, every one of which must
// hold for a player.
//   word        the first or last name, or his team's city, mascot or abbreviation, holds
//               the word, letters in any case
//   #33         jersey 33
//   team:ALD    his team's whole abbreviation, letters in any case; team:5 his team's
//               number, 0..26
//   pos:G       guard (position codes 0, 1); pos:F forward (2, 3); pos:C center (4)
//   jump>=70    a comparison (>=, <=, >, <, =) of a field with a number: the player
//               file's numeric keys (jersey .. stam) and height in inches; ratings as the
//               player editor shows them (0..100), percentages as their boxes show them
// Field names, team: and pos: take letters in any case. Parsed once; matching a player
// reads no text.
class PlayerQuery {
public:
    // Why a term was refused, and the text it names.
    struct Fault {
        enum class Kind { UnknownField, NotANumber, NoSuchTeam, NoSuchPosition };
        Kind kind = Kind::UnknownField;
        std::string text;
        // "unknown field 'jmp'", "'x' is not a number", "there is no team 27",
        // "unknown position 'Q' (G, F or C)"
        std::string message() const;
    };

    // The query of a text, or the fault of its first term that cannot be read. A text
    // without terms matches every player.
    static std::optional<PlayerQuery> parse(std::string_view text, Fault& fault);

    bool matches(const clsPlayer& player, const clsTeam& team, int teamNumber) const;
    // The roster places whose players match, in team and slot order.
    std::vector<Trade::Place> find(const clsProject& league) const;

private:
    enum class Op { Less, LessOrEqual, Equal, GreaterOrEqual, Greater };
    struct Term {
        enum class Kind { Word, Team, Position, Compare };
        Kind kind = Kind::Word;
        std::string word;                    // Word, Team by abbreviation: in upper case
        int number = -1;                     // Team by number; Position: 0 guard, 1 forward, 2 center
        const PlayerField* field = nullptr;  // Compare: the field, or nullptr for height
        Op op = Op::Equal;
        double value = 0;
    };
    static std::optional<Term> readTerm(std::string_view term, Fault& fault);
    static bool holds(const Term& term, const clsPlayer& player, const clsTeam& team, int teamNumber);

    std::vector<Term> terms_;
};

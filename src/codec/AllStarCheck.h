#pragma once
#include <string>
#include <vector>

#include "model/clsProject.h"

// The all-star slots that name no player of the league. The roster table of an image
// holds any byte, so a damaged or foreign image decodes to pairs such as team 92 or
// player 12; the save refuses them (the all-star pointer table would need the data
// pointer of a player that is never placed), and the editor and the command-line tool
// list them so that they can be mended.
namespace AllStarCheck {

enum class Conference { West, East };

enum class Fault {
    NoSuchTeam,    // the team index is 27 or more
    NoSuchPlayer,  // the team exists, the player index is 12 or more
};

struct Problem {
    Conference conference = Conference::West;
    int slot = 0;  // 0..11
    Fault fault = Fault::NoSuchTeam;
    int team = 0;
    int player = 0;

    bool operator==(const Problem&) const = default;
};

// The slots that need mending: the west slots 0..11 first, then the east ones; one
// entry a slot, a missing team standing before a missing player.
std::vector<Problem> findProblems(const clsProject& project);

// "west all-star 3 names team 92", "east all-star 0 names player 12 of team 4".
std::string describe(const Problem& problem);

// "west" or "east".
const char* conferenceName(Conference conference);

}  // namespace AllStarCheck

#pragma once
#include <string>

#include "base/ResultCode.h"
#include "model/clsProject.h"

// Compares two leagues on what an image of the given edition stores of them: names,
// figures and rating bytes of the 12 roster players, team names, points and that
// edition's uniform bytes, the schedule and the all-star pairs. Left out are what the
// image does not carry: data pointers, slot 12, the uniform flags, the other edition's
// uniforms and, on the NES, the unknown rating byte.
namespace LeagueCompare {

// The first field in which the leagues differ ("team 3 player 5 jersey: 12 vs 13"), or
// an empty text when they hold the same league.
std::string firstDifference(const clsProject& a, const clsProject& b, ConsoleKind kind);

}  // namespace LeagueCompare

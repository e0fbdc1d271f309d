#pragma once
#include <string>
#include <vector>

#include "base/ResultCode.h"
#include "model/clsProject.h"

// How full the regions that a save rebuilds would be for the league as it stands,
// computed with exactly the writer's arithmetic: every region has used <= available
// exactly when saving would not fail with "too long" (results 2 to 5).
struct SpaceRegion {
    std::string name;   // "Abbreviations", "Cities", "Mascots", "Players", "Player overflow"
    int used = 0;       // bytes the save would fill
    int available = 0;  // bytes of the region
    bool fits() const { return used <= available; }
};

struct SpaceReport {
    std::vector<SpaceRegion> regions;
    // What saveProjectToRom would return for this league on an image that holds every
    // region: 0, 1 (a record that cannot be built or a misplaced SNES overflow) or 2..5.
    ResultCode expectedResult = Result::Ok;
};

SpaceReport computeSpace(const clsProject& project, ConsoleKind kind);

// The team file reader on any text: all or nothing, and a team it reads has names that
// every export takes, writes out and reads back as the same team. Slot 12, which a file may fill but no export writes,
// is left out of the comparison.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "SampleLeague.h"
#include "interchange/TeamFile.h"

int FuzzTeamImport(const std::uint8_t* data, std::size_t size) {
    using FuzzCheck::require;
    const clsTeam& before = *sampleLeague().getTeamRef(0);
    clsTeam team = before;
    if (TeamFile::importTeamText(team, std::string(reinterpret_cast<const char*>(data), size)) != Result::Ok) {
        require(team == before, "a failed team import changed the team");
        return 0;
    }
    require(TeamFile::nameFault(team, -1).empty(), "an imported team has a name no export takes");
    std::string text;
    TeamFile::writeToFile(team, text);
    TeamFile::writePlayerBlocks(team, text);
    clsTeam again = before;
    require(TeamFile::importTeamText(again, text) == Result::Ok, "an exported team does not import");
    *again.getPlayerRef(clsTeam::kRoster) = *team.getPlayerRef(clsTeam::kRoster);
    require(again == team, "an exported team imports as another team");
    return 0;
}

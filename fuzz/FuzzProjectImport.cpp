// The project file reader on any text: all or nothing, and a league it reads has names
// that every export takes, writes out and reads back as the same league. The teams' slot 12, which a file may fill but
// no export writes, is left out of the comparison.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "SampleLeague.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"

int FuzzProjectImport(const std::uint8_t* data, std::size_t size) {
    using FuzzCheck::require;
    const clsProject& before = sampleLeague();
    clsProject league = before;
    if (ProjectFile::importProjectText(league, std::string(reinterpret_cast<const char*>(data), size)) != Result::Ok) {
        require(league == before, "a failed project import changed the league");
        return 0;
    }
    for (int t = 0; t < clsProject::kTeams; ++t)
        require(TeamFile::nameFault(*league.getTeamRef(t), t).empty(), "an imported league has a name no export takes");
    clsProject again = before;
    require(ProjectFile::importProjectText(again, ProjectFile::projectText(league)) == Result::Ok,
            "an exported league does not import");
    for (int t = 0; t < clsProject::kTeams; ++t)
        *again.getTeamRef(t)->getPlayerRef(clsTeam::kRoster) = *league.getTeamRef(t)->getPlayerRef(clsTeam::kRoster);
    require(again == league, "an exported league imports as another league");
    return 0;
}

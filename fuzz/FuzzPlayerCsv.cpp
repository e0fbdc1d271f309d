// The players' CSV reader on any text: all or nothing, and a league it reads has names that
// every export takes, and writes out as a table that reads back into the league it started
// from as the same league.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "SampleLeague.h"
#include "interchange/PlayerCsv.h"

int FuzzPlayerCsv(const std::uint8_t* data, std::size_t size) {
    using FuzzCheck::require;
    const clsProject& before = sampleLeague();
    clsProject league = before;
    LineReport report;
    if (PlayerCsv::importPlayersText(league, std::string(reinterpret_cast<const char*>(data), size), report) !=
        Result::Ok) {
        require(league == before, "a failed CSV import changed the league");
        require(report.line > 0 && !report.reason.empty(), "a failed CSV import names no line");
        return 0;
    }
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int s = 0; s < clsTeam::kRoster; ++s)
            require(PlayerFile::nameFault(*league.getTeamRef(t)->getPlayerRef(s)).empty(),
                    "an imported table has a name no export takes");
    clsProject again = before;
    require(PlayerCsv::importPlayersText(again, PlayerCsv::writePlayers(league), report) == Result::Ok,
            "an exported table does not import");
    require(again == league, "an exported table imports as another league");
    return 0;
}

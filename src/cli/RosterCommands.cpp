// tamsel-cli export-csv, import-csv, swap and check-schedule: the league's players as one
// table for a spreadsheet, trades between roster places, and what the schedule gives each
// team.
#include <iomanip>
#include <ostream>

#include "cli/CliCommand.h"
#include "interchange/PlayerCsv.h"
#include "model/ScheduleCheck.h"
#include "model/Trade.h"

namespace cli {

namespace {

int usageError(std::ostream& err, const char* command, const std::string& what) {
    err << "tamsel-cli " << command << ": " << what << "\n";
    return kExitUsage;
}

// "TEAM.SLOT": team 0..26, a dot, slot 0..11.
bool parsePlace(const std::string& text, Trade::Place& place) {
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos) return false;
    return parseIndex(text.substr(0, dot), 0, clsProject::kTeams - 1, place.team) &&
           parseIndex(text.substr(dot + 1), 0, clsTeam::kRoster - 1, place.slot);
}

int exportCsv(const Options& opts, std::ostream& out, std::ostream& err) {
    Session rom;
    if (!loadRom(opts, opts.positional[0], rom, err)) return kExitFailure;
    FileIO::WriteError why;
    if (PlayerCsv::exportPlayers(rom.league(), opts.positional[1], why) != Result::Ok) {
        err << "Error writing file!" << withDetail(why.cause.empty() ? std::string() : why.text()) << "\n";
        return kExitFailure;
    }
    out << "Players exported!\n";
    return kExitOk;
}

// A refused table names the file and the line as a compiler does:
// "Error reading file! (players.csv:5: column weight: 'abc' is not a number)". Nothing is saved.
int importCsv(const Options& opts, std::ostream& out, std::ostream& err) {
    Session rom;
    if (!loadRom(opts, opts.positional[0], rom, err)) return kExitFailure;
    const std::string& file = opts.positional[1];
    LineReport why;
    ResultCode read = Result::Failed;
    rom.edit("Import Players from CSV", LeagueChange::ofEveryPlayer(),
             [&](clsProject& league) { read = PlayerCsv::importPlayers(league, file, why); });
    if (read != Result::Ok) {
        const std::string where = why.line > 0 ? file + ":" + std::to_string(why.line) + ": " : std::string();
        err << "Error reading file!" << withDetail(where + why.reason) << "\n";
        return kExitFailure;
    }
    return saveRom(opts, rom, out, err);
}

int swap(const Options& opts, std::ostream& out, std::ostream& err) {
    Trade::Place a;
    Trade::Place b;
    if (!parsePlace(opts.positional[1], a) || !parsePlace(opts.positional[2], b))
        return usageError(err, "swap", "each place must be TEAM.SLOT with TEAM 0..26 and SLOT 0..11");
    Session rom;
    if (!loadRom(opts, opts.positional[0], rom, err)) return kExitFailure;
    rom.edit("Swap Players", LeagueChange::ofTrade(a, b),
             [&](clsProject& league) { Trade::swapPlayers(league, a, b); });
    return saveRom(opts, rom, out, err);
}

// Exit 0 without problems, 1 with; an image that cannot be read is 2, as a usage error,
// so that a script can tell a faulty schedule from a failed check.
int checkSchedule(const Options& opts, std::ostream& out, std::ostream& err) {
    Session rom;
    if (!loadRom(opts, opts.positional[0], rom, err)) return kExitUsage;
    const ScheduleCheck::Report report = ScheduleCheck::check(rom.league());
    out << "Team  Abbreviation  Games  Home  Away\n";
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const ScheduleCheck::TeamGames& g = report.teams[static_cast<std::size_t>(t)];
        out << std::right << std::setw(4) << t << "  " << std::left << std::setw(12)
            << rom.league().getTeamRef(t)->getAbrev() << std::right << std::setw(7) << g.games << std::setw(6) << g.home
            << std::setw(6) << g.away << "\n";
    }
    out << "\n";
    if (report.problems.empty()) out << "no problems\n";
    for (const ScheduleCheck::Problem& p : report.problems) out << p.text << "\n";
    return report.problems.empty() ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<Command> rosterCommands() {
    return {
        {"export-csv", "ROM OUT.csv", "write all 324 players as one CSV table (team, slot and the player file's keys)",
         2, exportCsv},
        {"import-csv", "ROM IN.csv [-o OUT]",
         "replace the players that a CSV table has rows for and save the image; a faulty table changes nothing", 2,
         importCsv},
        {"swap", "ROM TEAM.SLOT TEAM.SLOT [-o OUT]",
         "swap two players (teams 0..26, slots 0..11), all-star slots following them, and save the image", 3, swap},
        {"check-schedule", "ROM",
         "list each team's games, home and away, and the schedule's problems (exit 1 when there are any)", 1,
         checkSchedule},
    };
}

}  // namespace cli

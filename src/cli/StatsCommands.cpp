// tamsel-cli stats: each team's averages, strength and rank, as an aligned table in rank
// order or as CSV in team order.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "interchange/TeamFiguresCsv.h"
#include "model/LeagueStats.h"

namespace cli {

namespace {

using LeagueStats::Column;

// Rank, team number, abbreviation, strength, the eleven averages, then city and mascot;
// each column as wide as its widest entry, numbers to the right.
void plainTable(const clsProject& league, const LeagueStats::Figures& stats, std::ostream& out) {
    std::vector<std::vector<std::string>> rows = {{"rank", "team", "abrev", "strength"}};
    rows[0].insert(rows[0].end(), LeagueStats::kColumnKeys.begin(), LeagueStats::kColumnKeys.end());
    rows[0].push_back("name");
    for (const int t : stats.byRank) {
        const LeagueStats::TeamFigures& f = stats.teams[static_cast<std::size_t>(t)];
        const clsTeam& team = *league.getTeamRef(t);
        std::vector<std::string> numbers = TeamFiguresCsv::figureTexts(f);
        std::vector<std::string> row = {numbers.back(), std::to_string(t), team.getAbrev(), numbers[Column::Count]};
        row.insert(row.end(), numbers.begin(), numbers.begin() + Column::Count);
        row.push_back(team.getCity() + " " + team.getMascot());
        rows.push_back(std::move(row));
    }
    std::vector<std::size_t> widths(rows[0].size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    const std::size_t abrev = 2, name = rows[0].size() - 1;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(c == name ? 0 : widths[c] - row[c].size(), ' ');
            line += (c > 0 ? "  " : "") + (c == abrev || c == name ? row[c] + pad : pad + row[c]);
        }
        out << line << "\n";
    }
}

int runStats(const Options& opts, std::ostream& out, std::ostream& err) {
    Session rom;
    if (!loadRom(opts, opts.positional[0], rom, err)) return kExitFailure;
    const LeagueStats::Figures stats = LeagueStats::compute(rom.league());
    if (opts.csv)
        out << TeamFiguresCsv::table(rom.league(), stats);
    else
        plainTable(rom.league(), stats, out);
    return kExitOk;
}

}  // namespace

std::vector<Command> statsCommands() {
    return {
        {"stats", "ROM [--csv]",
         "each team's average ratings (as the editor shows them), percentages, height in inches and weight, its "
         "strength (the average of its six rating averages) and its rank, strongest first; --csv: one row per team in "
         "team order",
         1, runStats},
    };
}

}  // namespace cli

// tamsel-cli stats: each team's averages, strength and rank, as an aligned table in rank
// order or as CSV in team order.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "interchange/CsvText.h"
#include "model/LeagueStats.h"

namespace cli {

namespace {

using LeagueStats::Column;

// A team's figures: the averages, then strength and rank.
std::vector<std::string> figures(const LeagueStats::TeamFigures& f) {
    std::vector<std::string> out;
    for (int c = 0; c < Column::Count; ++c) out.push_back(f.average(static_cast<Column>(c)).oneDecimal());
    out.push_back(f.strength().oneDecimal());
    out.push_back(std::to_string(f.rank));
    return out;
}

std::string csvTable(const clsProject& league, const LeagueStats::Figures& stats) {
    std::vector<std::string> header = {"team", "abrev", "city", "mascot"};
    header.insert(header.end(), LeagueStats::kColumnKeys.begin(), LeagueStats::kColumnKeys.end());
    header.insert(header.end(), {"strength", "rank"});
    std::string text;
    CsvText::appendRecord(text, header);
    for (const LeagueStats::TeamFigures& f : stats.teams) {
        const clsTeam& team = *league.getTeamRef(f.team);
        std::vector<std::string> row = {std::to_string(f.team), team.getAbrev(), team.getCity(), team.getMascot()};
        const std::vector<std::string> numbers = figures(f);
        row.insert(row.end(), numbers.begin(), numbers.end());
        CsvText::appendRecord(text, row);
    }
    return text;
}

// Rank, team number, abbreviation, strength, the eleven averages, then city and mascot;
// each column as wide as its widest entry, numbers to the right.
void plainTable(const clsProject& league, const LeagueStats::Figures& stats, std::ostream& out) {
    std::vector<std::vector<std::string>> rows = {{"rank", "team", "abrev", "strength"}};
    rows[0].insert(rows[0].end(), LeagueStats::kColumnKeys.begin(), LeagueStats::kColumnKeys.end());
    rows[0].push_back("name");
    for (const int t : stats.byRank) {
        const LeagueStats::TeamFigures& f = stats.teams[static_cast<std::size_t>(t)];
        const clsTeam& team = *league.getTeamRef(t);
        std::vector<std::string> numbers = figures(f);
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
        out << csvTable(rom.league(), stats);
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

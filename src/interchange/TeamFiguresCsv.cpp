#include "interchange/TeamFiguresCsv.h"

#include "interchange/CsvText.h"

namespace TeamFiguresCsv {

using LeagueStats::Column;

std::vector<std::string> figureTexts(const LeagueStats::TeamFigures& f) {
    std::vector<std::string> out;
    for (int c = 0; c < Column::Count; ++c) out.push_back(f.average(static_cast<Column>(c)).oneDecimal());
    out.push_back(f.strength().oneDecimal());
    out.push_back(std::to_string(f.rank));
    return out;
}

std::string table(const clsProject& league, const LeagueStats::Figures& stats) {
    std::vector<std::string> header = {"team", "abrev", "city", "mascot"};
    header.insert(header.end(), LeagueStats::kColumnKeys.begin(), LeagueStats::kColumnKeys.end());
    header.insert(header.end(), {"strength", "rank"});
    std::string text;
    CsvText::appendRecord(text, header);
    for (const LeagueStats::TeamFigures& f : stats.teams) {
        const clsTeam& team = *league.getTeamRef(f.team);
        std::vector<std::string> row = {std::to_string(f.team), team.getAbrev(), team.getCity(), team.getMascot()};
        const std::vector<std::string> numbers = figureTexts(f);
        row.insert(row.end(), numbers.begin(), numbers.end());
        CsvText::appendRecord(text, row);
    }
    return text;
}

ResultCode exportTable(const clsProject& league, const std::string& filename, FileIO::WriteError& error) {
    return FileIO::writeFileAtomically(filename, table(league, LeagueStats::compute(league)), error) == Result::Ok
               ? Result::Ok
               : Result::Failed;
}

}  // namespace TeamFiguresCsv

#include "interchange/PlayerCsv.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "base/TextNumber.h"
#include "interchange/CsvText.h"
#include "interchange/TextLines.h"

namespace PlayerCsv {

namespace {

constexpr int kTeamColumn = 0;
constexpr int kSlotColumn = 1;
constexpr int kPlayers = clsProject::kTeams * clsTeam::kRoster;

// How a reason names a field: by its header's column, or by its place when it lies beyond
// the header ("field 19").
std::string fieldName(const std::vector<int>& columns, std::size_t field) {
    if (field < columns.size()) return "column " + std::string(columnName(columns[field]));
    return "field " + std::to_string(field + 1);
}

// A team or slot cell: a whole number within 0..hi.
bool readIndex(const CsvText::Cell& cell, int column, int hi, int& out, std::string& why) {
    const std::string value = "column " + std::string(columnName(column)) + ": " + quoteValue(cell.text) + " ";
    const auto v = TextNumber::strict(cell.text);
    if (!v || *v != std::floor(*v)) {
        why = value + "is not a whole number";
        return false;
    }
    if (*v < 0 || *v > hi) {
        why = value + "is outside 0.." + std::to_string(hi);
        return false;
    }
    out = static_cast<int>(*v);
    return true;
}

// The header: for each field, the column it names. Every column exactly once.
bool readHeader(const std::vector<CsvText::Cell>& cells, int line, std::vector<int>& columns, LineReport& report) {
    std::array<bool, kColumns> seen{};
    for (const CsvText::Cell& cell : cells) {
        int column = 0;
        while (column < kColumns && columnName(column) != cell.text) ++column;
        if (column == kColumns) return refuse(report, cell.line, "unknown column " + quoteValue(cell.text));
        if (seen[static_cast<std::size_t>(column)])
            return refuse(report, cell.line, "column " + cell.text + " appears twice");
        seen[static_cast<std::size_t>(column)] = true;
        columns.push_back(column);
    }
    for (int column = 0; column < kColumns; ++column)
        if (!seen[static_cast<std::size_t>(column)])
            return refuse(report, line, "column " + std::string(columnName(column)) + " is missing");
    return true;
}

// One row, checked cell by cell in the file's order. The player's values are read into a
// scratch record first, so that the row touches the league only once it is known whole.
bool readRow(const std::vector<CsvText::Cell>& cells, int line, const std::vector<int>& columns,
             std::array<int, kPlayers>& rowOf, clsProject& work, LineReport& report) {
    if (cells.size() != columns.size())
        return refuse(
            report, line,
            "the row has " + std::to_string(cells.size()) + " fields, the header " + std::to_string(columns.size()));
    int team = 0;
    int slot = 0;
    clsPlayer scratch;
    std::string why;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int column = columns[i];
        bool ok = column == kTeamColumn   ? readIndex(cells[i], column, clsProject::kTeams - 1, team, why)
                  : column == kSlotColumn ? readIndex(cells[i], column, clsTeam::kRoster - 1, slot, why)
                                          : PlayerFile::readValue(scratch, column - 2, cells[i].text, why);
        if (!ok) return refuse(report, cells[i].line, column < 2 ? why : "column " + why);
    }
    int& first = rowOf[static_cast<std::size_t>(team * clsTeam::kRoster + slot)];
    if (first != 0)
        return refuse(report, line,
                      "team " + std::to_string(team) + " slot " + std::to_string(slot) + " is on line " +
                          std::to_string(first) + " already");
    first = line;
    clsPlayer& player = *work.getTeamRef(team)->getPlayerRef(slot);
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (columns[i] >= 2) PlayerFile::readValue(player, columns[i] - 2, cells[i].text, why);
    return true;
}

}  // namespace

std::string_view columnName(int c) {
    if (c == kTeamColumn) return "team";
    if (c == kSlotColumn) return "slot";
    return PlayerFile::keyName(c - 2);
}

std::string writePlayers(const clsProject& league) {
    std::string out;
    std::vector<std::string> fields;
    for (int c = 0; c < kColumns; ++c) fields.emplace_back(columnName(c));
    CsvText::appendRecord(out, fields);
    for (int t = 0; t < clsProject::kTeams; ++t) {
        for (int s = 0; s < clsTeam::kRoster; ++s) {
            const clsPlayer& player = *league.getTeamRef(t)->getPlayerRef(s);
            fields = {std::to_string(t), std::to_string(s)};
            for (int k = 0; k < PlayerFile::kKeyCount; ++k) fields.push_back(PlayerFile::valueText(player, k));
            CsvText::appendRecord(out, fields);
        }
    }
    return out;
}

ResultCode exportPlayers(const clsProject& league, const std::string& filename, FileIO::WriteError& error) {
    for (int t = 0; t < clsProject::kTeams; ++t) {
        for (int s = 0; s < clsTeam::kRoster; ++s) {
            const std::string fault = PlayerFile::nameFault(*league.getTeamRef(t)->getPlayerRef(s));
            const std::string who = "team " + std::to_string(t) + " player " + std::to_string(s) + " ";
            if (!namesTravel(fault.empty() ? fault : who + fault, filename, error)) return Result::Failed;
        }
    }
    return FileIO::writeFileAtomically(filename, writePlayers(league), error) == Result::Ok ? Result::Ok
                                                                                            : Result::Failed;
}

ResultCode importPlayersText(clsProject& league, std::string text, LineReport& report) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    if (text.empty()) {
        refuse(report, 1, "the file is empty");
        return Result::Failed;
    }
    CsvText::Reader reader(std::move(text));
    std::vector<CsvText::Cell> cells;
    std::vector<int> columns;
    clsProject work = league;
    std::array<int, kPlayers> rowOf{};  // the line of each player's row, 0 while it has none
    int blankLine = 0;                  // the first empty line since the last row
    for (bool header = true;; header = false) {
        const CsvText::Reader::Status status = reader.next(cells);
        if (status == CsvText::Reader::Status::End) break;
        if (status == CsvText::Reader::Status::Error) {
            refuse(report, reader.errorLine(), fieldName(columns, reader.errorField()) + ": " + reader.errorReason());
            return Result::Failed;
        }
        if (reader.blank() && !header) {
            if (blankLine == 0) blankLine = reader.recordLine();
            continue;
        }
        if (blankLine != 0) {
            refuse(report, blankLine, "an empty line stands among the rows");
            return Result::Failed;
        }
        const bool ok = header ? readHeader(cells, reader.recordLine(), columns, report)
                               : readRow(cells, reader.recordLine(), columns, rowOf, work, report);
        if (!ok) return Result::Failed;
    }
    league = std::move(work);
    return Result::Ok;
}

ResultCode importPlayers(clsProject& league, const std::string& filename, LineReport& report) {
    return importFile(league, filename, report, [](clsProject& l, std::string text, LineReport& r) {
        return importPlayersText(l, std::move(text), r);
    });
}

}  // namespace PlayerCsv

#pragma once
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "base/ResultCode.h"
#include "model/LeagueStats.h"

// The teams' figures as a CSV table (CsvText): a header of the columns team, abrev, city,
// mascot, the averaged columns by their keys, strength and rank, then one row per team in
// team order, every figure with one decimal except team and rank.
namespace TeamFiguresCsv {

// A team's figures as text: the averages in column order, then strength and rank.
std::vector<std::string> figureTexts(const LeagueStats::TeamFigures& figures);

std::string table(const clsProject& league, const LeagueStats::Figures& figures);
// Writes the league's table atomically; result 1 with the cause in error when the write fails.
ResultCode exportTable(const clsProject& league, const std::string& filename, FileIO::WriteError& error);

}  // namespace TeamFiguresCsv

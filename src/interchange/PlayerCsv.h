#pragma once
#include <string>
#include <string_view>

#include "base/FileIO.h"
#include "base/LineReport.h"
#include "base/ResultCode.h"
#include "interchange/PlayerFile.h"
#include "model/clsProject.h"

// The league's 324 players as one comma-separated table for a spreadsheet: a header row,
// then one row per player with the columns team, slot and the player file's sixteen keys
// in the player file's order, each value exactly as the player file writes it.
namespace PlayerCsv {

inline constexpr int kColumns = 2 + PlayerFile::kKeyCount;

// Column c (0..17): "team", "slot", "first", "last", ..., "stam"; "" for any other c.
std::string_view columnName(int c);

// The header and the rows of teams 0..26, slots 0..11 in that order, CR LF ended.
std::string writePlayers(const clsProject& league);
// Writes that text atomically; result 1 with the cause in error when the write fails, or
// when a player's name cannot travel in a file ("team 5 player 3 first: byte 0x0D is a
// control character", see PlayerFile::nameFault): nothing is written then.
ResultCode exportPlayers(const clsProject& league, const std::string& filename, FileIO::WriteError& error);

// Reads a table into the league. The header names every column exactly once, in any
// order; the rows may be any subset of the players, in any order, each player at most
// once. A row's cells are read as the player file reads the values of its lines and
// replace that player's sixteen fields; the unknown byte and the data pointer stay, and
// players without a row stay as they are. Lines may end in CR LF, LF or CR; a UTF-8
// byte-order mark in front and empty lines at the end are skipped.
// All or nothing: on failure (result 1) the league is unchanged and the report names the
// line of the first faulty row or cell, counting the header as line 1, and the fault:
// "column weight: 'abc' is not a number".
ResultCode importPlayersText(clsProject& league, std::string text, LineReport& report);
ResultCode importPlayers(clsProject& league, const std::string& filename, LineReport& report);

}  // namespace PlayerCsv

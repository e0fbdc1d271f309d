#pragma once
#include <string>
#include <string_view>

#include "interchange/TextLines.h"
#include "model/clsTeam.h"
#include "base/ResultCode.h"

// The team file (.tte): twelve team lines, then twelve player blocks "#slot" ... "#END".
namespace TeamFile {

ResultCode exportTeam(const clsTeam& team, const std::string& filename);
// Appends the twelve team lines (no player blocks) to out.
void writeToFile(const clsTeam& team, std::string& out);
// Appends the blocks "#0" ... "#END" to "#11" ... "#END" of the roster players.
void writePlayerBlocks(const clsTeam& team, std::string& out);
// All or nothing: on failure (result 1) the team is exactly as before.
ResultCode importTeam(clsTeam& team, const std::string& filename);
// Applies one line; a line opening a player block reads the block from lines.
ResultCode processImportString(clsTeam& team, LineReader& lines, std::string_view instring);

// The text of a team file held in memory: the reset team (initTeam) with every line
// applied. All or nothing, as importTeam.
ResultCode importTeamText(clsTeam& team, std::string text);

}  // namespace TeamFile

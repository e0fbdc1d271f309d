#pragma once
#include <string>
#include <string_view>

#include "interchange/TextLines.h"
#include "model/clsTeam.h"
#include "settings/ResultCode.h"

// The team file (.tte): twelve team lines, then twelve player blocks "#slot" ... "#END".
namespace TeamFile {

ResultCode exportTeam(const clsTeam& team, const std::string& filename);
// Appends the twelve team lines (no player blocks) to out.
void writeToFile(const clsTeam& team, std::string& out);
// All or nothing: on failure (result 1) the team is exactly as before.
ResultCode importTeam(clsTeam& team, const std::string& filename);
// Applies one line; a line opening a player block reads the block from lines.
ResultCode processImportString(clsTeam& team, LineReader& lines, std::string_view instring);

}  // namespace TeamFile

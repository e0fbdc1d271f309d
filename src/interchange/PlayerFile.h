#pragma once
#include <string>
#include <string_view>

#include "model/clsPlayer.h"
#include "base/ResultCode.h"

// The player file (.tpl): sixteen key=value lines, CR LF ended.
namespace PlayerFile {

ResultCode exportPlayer(const clsPlayer& player, const std::string& filename);
// Appends the sixteen lines to out.
void writeToFile(const clsPlayer& player, std::string& out);
// All or nothing: on failure (result 1) the player is exactly as before.
ResultCode importPlayer(clsPlayer& player, const std::string& filename);
// Applies one line (without its line end); 1 when a numeric value is bad or a name would
// carry a byte the ROM cannot hold.
ResultCode processImportString(clsPlayer& player, std::string_view instring);

// The text of a player file held in memory: the reset player (initPlayer) with every line
// applied. All or nothing, as importPlayer.
ResultCode importPlayerText(clsPlayer& player, std::string text);

}  // namespace PlayerFile

// The player file reader on any text: all or nothing, and a player it reads has names
// that every export takes, writes out and reads back as the same player.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "SampleLeague.h"
#include "interchange/PlayerFile.h"

int FuzzPlayerImport(const std::uint8_t* data, std::size_t size) {
    using FuzzCheck::require;
    const clsPlayer& before = *sampleLeague().getTeamRef(0)->getPlayerRef(0);
    clsPlayer player = before;
    if (PlayerFile::importPlayerText(player, std::string(reinterpret_cast<const char*>(data), size)) != Result::Ok) {
        require(player == before, "a failed player import changed the player");
        return 0;
    }
    require(PlayerFile::nameFault(player).empty(), "an imported player has a name no export takes");
    std::string text;
    PlayerFile::writeToFile(player, text);
    clsPlayer again = before;
    require(PlayerFile::importPlayerText(again, text) == Result::Ok, "an exported player does not import");
    require(again == player, "an exported player imports as another player");
    return 0;
}

// tamsel-cli find: the players of an image's league that a query matches.
#include <ostream>
#include <string>

#include "cli/CliCommand.h"
#include "model/PlayerQuery.h"

namespace cli {

namespace {

// The query terms of the arguments after ROM, as one text.
std::string queryText(const Options& opts) {
    std::string text;
    for (std::size_t i = 1; i < opts.positional.size(); ++i) text += (i > 1 ? " " : "") + opts.positional[i];
    return text;
}

// As grep: 0 a player matched, 1 none did, 2 a bad query or an image that cannot be read.
// One line a player: "3.4 #24 MILO WENMON", the jersey in two digits as the tree shows it.
int runFind(const Options& opts, std::ostream& out, std::ostream& err) {
    PlayerQuery::Fault fault;
    const std::optional<PlayerQuery> query = PlayerQuery::parse(queryText(opts), fault);
    if (!query) {
        err << "tamsel-cli find: " << fault.message() << "\n";
        return kExitUsage;
    }
    Session rom;
    if (!loadRom(opts, opts.positional[0], rom, err)) return kExitUsage;
    const std::vector<Trade::Place> found = query->find(rom.league());
    for (const Trade::Place& at : found) {
        const clsPlayer& p = *rom.league().getTeamRef(at.team)->getPlayerRef(at.slot);
        const std::string jersey = "00" + std::to_string(p.getJersey());
        out << at.team << "." << at.slot << " #" << jersey.substr(jersey.size() - 2) << " " << p.getFullname() << "\n";
    }
    return found.empty() ? kExitFailure : kExitOk;
}

}  // namespace

std::vector<Command> queryCommands() {
    return {
        {"find", "ROM QUERY...",
         "list the players that every query term matches, as TEAM.SLOT #JERSEY FIRST LAST: a word in a name, city, "
         "mascot or abbreviation; #33; team:ABBR or team:5; pos:G, pos:F, pos:C; FIELD>=N, <=, >, <, = with the "
         "player file's numeric keys or height in inches, ratings as the editor shows them; quote the terms: "
         "tamsel-cli find game.nes 'pos:C' 'jump>=70' (exit 0 found, 1 none, 2 trouble)",
         2, runFind, true},
    };
}

}  // namespace cli

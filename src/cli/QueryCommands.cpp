// tamsel-cli find and edit: the players of an image's league that a query matches, and
// changing them all at once.
#include <ostream>
#include <string>

#include "cli/CliCommand.h"
#include "model/BulkEdit.h"
#include "model/LeagueDiff.h"
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

// The query and every --set are read before the image. The diff lines of the edit go to
// standard output, one line a value held back by its field's limits to standard error
// ("player 3.4 weight: clamped at 200"). Exit 0 saved (or, with --dry-run, listed), 1 no
// player matched (nothing written) or the image could not be read or saved, 2 a bad query
// or --set.
int runEdit(const Options& opts, std::ostream& out, std::ostream& err) {
    PlayerQuery::Fault fault;
    const std::optional<PlayerQuery> query = PlayerQuery::parse(queryText(opts), fault);
    if (!query) {
        err << "tamsel-cli edit: " << fault.message() << "\n";
        return kExitUsage;
    }
    if (opts.sets.empty()) {
        err << "tamsel-cli edit: nothing to change (--set FIELD=VALUE, +N or -N)\n";
        return kExitUsage;
    }
    std::vector<BulkEdit::FieldChange> changes;
    for (const std::string& text : opts.sets) {
        std::string why;
        const std::optional<BulkEdit::FieldChange> change = BulkEdit::parse(text, why);
        if (!change) {
            err << "tamsel-cli edit: --set " << text << ": " << why << "\n";
            return kExitUsage;
        }
        changes.push_back(*change);
    }
    Session rom;
    if (!loadRom(opts, opts.positional[0], rom, err)) return kExitFailure;
    const std::vector<Trade::Place> found = query->find(rom.league());
    if (found.empty()) {
        err << "no player matches: nothing to edit\n";
        return kExitFailure;
    }
    clsProject edited = rom.league();
    for (const BulkEdit::Entry& e : BulkEdit::applyAll(edited, found, changes))
        if (e.clamped)
            err << "player " << e.place.team << "." << e.place.slot << " " << BulkEdit::key(e.field) << ": clamped at "
                << e.after << "\n";
    for (const LeagueDiff::Difference& d : LeagueDiff::compare(rom.league(), edited)) out << d.text() << "\n";
    if (opts.dryRun) return kExitOk;
    rom.edit(BulkEdit::label(found.size()), LeagueChange::ofPlayers(found),
             [&edited](clsProject& league) { league = edited; });
    return saveRom(opts, rom, out, err);
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
        {"edit", "ROM QUERY... --set FIELD=VALUE|+N|-N [--set ...] [--dry-run] [-o OUT]",
         "change every player the query finds (terms as find's) and save, printing the diff lines of the change: "
         "FIELD is one of the player file's numeric keys or height in inches; =VALUE sets it, =+N and =-N add and "
         "subtract; a rating moves in the editor's + and - steps and is set to the nearest value it shows, other "
         "numbers are stored as their box stores a typed number (weight and percentages cut to a multiple of 4), "
         "pos takes a code 0..4; tamsel-cli edit game.nes 'pos:C' 'height>82' 'jump<40' --set jump=+2 (exit 0 "
         "saved, 1 none found or trouble, 2 a bad query or --set)",
         2, runEdit, true},
    };
}

}  // namespace cli

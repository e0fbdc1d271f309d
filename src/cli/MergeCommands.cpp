// tamsel-cli merge: takes differences from another league (an image of the same edition or
// a project file) into the league of an image, all of them or those whose diff lines match.
#include <algorithm>
#include <ostream>

#include "base/ShellPattern.h"
#include "cli/CliCommand.h"
#include "model/LeagueDiff.h"
#include "session/OtherLeague.h"

namespace cli {

namespace {

bool wanted(const Options& opts, const std::string& line) {
    return opts.only.empty() || std::any_of(opts.only.begin(), opts.only.end(), [&](const std::string& pattern) {
               return ShellPattern::matches(pattern, line);
           });
}

// Exit 0 when something was taken and saved (or, with --dry-run, listed), 1 when nothing
// was, a file could not be read or the save failed.
int runMerge(const Options& opts, std::ostream& out, std::ostream& err) {
    Session rom;
    if (!loadRom(opts, opts.positional[0], rom, err)) return kExitFailure;
    const std::string& path = opts.positional[1];
    const OtherLeague other = readOtherLeague(rom, path);
    if (!other.ok()) {
        err << path << ": " << message(other.outcome) << withDetail(other.detail) << "\n";
        return kExitFailure;
    }
    const std::vector<LeagueDiff::Difference> differences = LeagueDiff::compare(rom.league(), other.league);
    std::vector<LeagueDiff::Difference> taken;
    for (const LeagueDiff::Difference& d : differences)
        if (wanted(opts, d.text())) taken.push_back(d);
    if (taken.empty()) {
        err << (differences.empty() ? "the leagues are equal: nothing to take\n"
                                    : "no difference matches: nothing to take\n");
        return kExitFailure;
    }
    for (const LeagueDiff::Difference& d : taken) out << d.text() << "\n";
    if (opts.dryRun) return kExitOk;
    rom.edit(LeagueDiff::takeLabel(taken.size()), LeagueChange::ofLeague(), [&taken](clsProject& league) {
        for (const LeagueDiff::Difference& d : taken) d.take(league);
    });
    return saveRom(opts, rom, out, err);
}

}  // namespace

std::vector<Command> mergeCommands() {
    return {
        {"merge", "ROM OTHER [--only PATTERN]... [--dry-run] [-o OUT]",
         "take the differences from OTHER (an image of ROM's edition, or a .tpr read over ROM's league as Import "
         "Project reads it) into ROM's league, print each diff line taken and save; --only takes just the lines that "
         "match a pattern (* and ? as in file names) (exit 0 taken, 1 nothing taken or trouble)",
         2, runMerge},
    };
}

}  // namespace cli

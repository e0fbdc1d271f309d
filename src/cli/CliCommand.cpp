#include "cli/CliCommand.h"

#include <ostream>

#include "settings/Settings.h"

namespace cli {

std::vector<Command> allCommands() {
    std::vector<Command> all;
    for (auto group : {codecCommands, interchangeCommands, rosterCommands, graphicsCommands, patchCommands,
                       compareCommands, mergeCommands, statsCommands, queryCommands, backupCommands}) {
        auto cmds = group();
        all.insert(all.end(), cmds.begin(), cmds.end());
    }
    return all;
}

namespace {

void printHelp(std::ostream& os) {
    os << "Usage: tamsel-cli COMMAND ARGUMENTS [OPTIONS]\n\nCommands:\n";
    for (const Command& c : allCommands()) os << "  " << c.name << " " << c.usage << "\n      " << c.summary << "\n";
    os << "\nOptions:\n"
          "  --nes, --snes     force the edition (otherwise a name ending in .nes is NES, anything else SNES)\n"
          "  --settings FILE   read the ROM offsets from a settings file (default: the editor's\n"
          "                    tamsel.ini, beside the program or in "
       << Settings::kUserFolderText
       << ", when it reads\n"
          "                    cleanly, else the built-in offsets)\n"
          "  -o OUT            write the changed image to OUT instead of over ROM\n"
          "  --no-backup       write over ROM without first keeping its bytes as a backup (kept in\n"
          "                    "
       << Settings::kBackupFolderText
       << ", or beside the program where tamsel.ini is;\n"
          "                    the newest 20 of each file; see backups and restore)\n"
          "  --by-position     (report) group the ranking by position\n"
          "  --csv             (stats) write the table as CSV, one row per team in team order\n"
          "  --only PATTERN    (merge) take only the differences whose whole diff line matches\n"
          "                    PATTERN (* any text, ? one character); may be given again\n"
          "  --set FIELD=VALUE (edit) set a field of every player found; FIELD=+N, FIELD=-N add or\n"
          "                    subtract (a rating: presses of its + or - button); may be given again\n"
          "  --dry-run         (merge, edit) print the differences it would make and write nothing\n"
          "  --rom ROM         (check) also import the file into ROM's league in memory\n"
          "  --team T          (check --rom) the team a team or player file goes to (default 0)\n"
          "  --player P        (check --rom) the slot a player file goes to (default 0)\n"
          "  --help            show this text\n\n"
          "Exit status: 0 success, 1 failure, 2 usage error.\n";
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        printHelp(err);
        return kExitUsage;
    }
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            printHelp(out);
            return kExitOk;
        }
    }
    for (const Command& c : allCommands()) {
        if (c.name != args[0]) continue;
        Options opts;
        std::string error;
        if (!parseOptions(std::vector<std::string>(args.begin() + 1, args.end()), opts, error)) {
            err << "tamsel-cli " << c.name << ": " << error << "\n";
            return kExitUsage;
        }
        const std::size_t given = opts.positional.size();
        if (c.orMore ? given < c.arguments : given != c.arguments) {
            err << "usage: tamsel-cli " << c.name << " " << c.usage << "\n";
            return kExitUsage;
        }
        return c.run(opts, out, err);
    }
    err << "tamsel-cli: unknown command " << args[0] << " (see --help)\n";
    return kExitUsage;
}

}  // namespace cli

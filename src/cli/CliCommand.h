#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CliSupport.h"

namespace cli {

// One tamsel-cli command: its name, its argument line for --help, what it does, how many
// positional arguments it takes (with orMore, at least that many), and the function that
// runs it.
struct Command {
    std::string name;
    std::string usage;
    std::string summary;
    std::size_t arguments;
    int (*run)(const Options& opts, std::ostream& out, std::ostream& err);
    bool orMore = false;
};

// The commands of each subsystem, gathered by the tool's main.
std::vector<Command> codecCommands();
std::vector<Command> interchangeCommands();
std::vector<Command> graphicsCommands();
std::vector<Command> rosterCommands();
std::vector<Command> patchCommands();
std::vector<Command> compareCommands();
std::vector<Command> mergeCommands();
std::vector<Command> statsCommands();
std::vector<Command> queryCommands();
std::vector<Command> backupCommands();

std::vector<Command> allCommands();

// Runs the tool on its arguments (without the program name); returns the exit status.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli

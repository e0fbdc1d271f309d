#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

// Runs tamsel-cli in process. In the arguments "{dir}" stands for the test's folder, and
// "--settings {dir}/tamsel.ini" follows the command name so that no user's settings file
// is read.
namespace clitest {

struct CliResult {
    int status;
    std::string out, err;
};

inline std::string expand(std::string text, const std::string& dir) {
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir);
    return text;
}

inline CliResult run(std::vector<std::string> args, const std::string& dir) {
    for (std::string& a : args) a = expand(a, dir);
    if (!args.empty() && args[0][0] != '-') args.insert(args.begin() + 1, {"--settings", dir + "/tamsel.ini"});
    std::ostringstream out, err;
    const int status = cli::runCli(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace clitest

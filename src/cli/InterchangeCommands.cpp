#include "cli/CliCommand.h"

namespace cli {

std::vector<Command> interchangeCommands() { return {}; }

}  // namespace cli

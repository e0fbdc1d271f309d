#include "cli/CliCommand.h"

namespace cli {

std::vector<Command> graphicsCommands() { return {}; }

}  // namespace cli

#include "cli/CliCommand.h"

namespace cli {

std::vector<Command> codecCommands() { return {}; }

}  // namespace cli

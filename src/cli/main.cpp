#include <iostream>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "cli/CliCommand.h"

// Arguments and output are UTF-8 on every platform, so that a name such as "Équipe 1994.nes"
// travels whole from the command line to the file functions and back to the screen.
int main(int argc, char** argv) {
    Platform::useUtf8Console();
    return cli::runCli(Platform::arguments(argc, argv), std::cout, std::cerr);
}

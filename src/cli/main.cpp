// duvazadi-cli: checks and rewrites LDF files on the editor's core.

#include "cli/CliCommands.h"

#include <iostream>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    LeaveNetworksToExit();
    return RunRequest(ParseArguments(arguments), std::cout, std::cerr);
}

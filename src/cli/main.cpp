// duvazadi-cli: checks and rewrites LDF files on the editor's core.

#include "allocator/ProgramAllocator.h"
#include "cli/CliCommands.h"

#include <iostream>

int main(int argc, char* argv[])
{
    ConfigureProgramAllocator();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    LeaveNetworksToExit();
    return RunRequest(ParseArguments(arguments), std::cout, std::cerr);
}

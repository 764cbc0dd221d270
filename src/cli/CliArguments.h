#pragma once

#include <string>
#include <vector>

// What a command line asks the tool to do.
struct CliRequest {
    enum class Action { Help, Version, Check, Format, Timing, Layout, UsageError };

    Action action = Action::UsageError;
    std::string file;
    std::string output;   // format -o OUT; empty: standard output
    std::string frame;    // layout FRAME
    std::string problem;  // why the command line was refused (UsageError)
};

// Reads the arguments that follow the program name:
//   check FILE | format FILE [-o OUT] | timing FILE | layout FILE FRAME
//   | --help | --version
CliRequest ParseArguments(const std::vector<std::string>& arguments);

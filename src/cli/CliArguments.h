#pragma once

#include "model/LinDialect.h"

#include <optional>
#include <string>
#include <vector>

// What a command line asks the tool to do.
struct CliRequest {
    enum class Action {
        Help,
        Version,
        Check,
        Format,
        Timing,
        Layout,
        Diff,
        Export,
        Rename,
        Decode,
        Encode,
        DecodeLog,
        UsageError
    };

    Action action = Action::UsageError;
    std::string file;                     // diff: the older file
    std::string newFile;                  // diff: the newer file
    std::string output;                   // format -o OUT; empty: standard output
    std::string frame;                    // layout, decode and encode FRAME
    std::vector<std::string> values;      // decode: the words of BYTES; encode: each SIGNAL=VALUE
    std::string log;                      // decode-log LOG
    bool csv = false;                     // decode-log --csv
    bool json = false;                    // diff --json, export --json
    std::optional<lin::Dialect> dialect;  // check and format --dialect D
    bool force = false;                   // format --force: write despite losses
    bool keepLayout = false;              // format --keep-layout: as the editor saves
    std::string kind;                     // rename KIND
    std::string oldName;                  // rename OLD
    std::string newName;                  // rename NEW
    std::string problem;                  // why the command line was refused (UsageError)
};

// Reads the arguments that follow the program name:
//   check [--dialect D] FILE
//   | format [--dialect D [--force]] [--keep-layout] FILE [-o OUT]
//   | rename FILE KIND OLD NEW [-o OUT]
//   | timing FILE | layout FILE FRAME
//   | diff [--json] OLD NEW | export --json FILE
//   | decode [--json] FILE FRAME BYTES | encode [--json] FILE FRAME [SIGNAL=VALUE ...]
//   | decode-log [--csv] FILE LOG
//   | --help | --version
CliRequest ParseArguments(const std::vector<std::string>& arguments);

#include "cli/CliArguments.h"

namespace {

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

CliRequest Refused(const std::string& problem)
{
    CliRequest request;
    request.problem = problem;
    return request;
}

CliRequest Done(CliRequest::Action action)
{
    CliRequest request;
    request.action = action;
    return request;
}

// What each command takes besides its files.
struct CommandForm {
    const char* name;
    CliRequest::Action action;
    std::size_t fileCount;
    bool takesOutput;  // -o OUT
    bool takesJson;    // --json
    bool needsJson;
};

const CommandForm kCommands[] = {
    {"check", CliRequest::Action::Check, 1, false, false, false},
    {"format", CliRequest::Action::Format, 1, true, false, false},
    {"diff", CliRequest::Action::Diff, 2, false, true, false},
    {"export", CliRequest::Action::Export, 1, false, true, true},
};

// The rest of a command line: the command's files and its options.
CliRequest ParseCommand(const CommandForm& command, const std::vector<std::string>& arguments)
{
    const std::string name = command.name;
    std::vector<std::string> files;
    CliRequest request;
    bool outputSeen = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (command.takesOutput && argument == "-o") {
            if (outputSeen)
                return Refused("-o given twice");
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return Refused("-o needs a file name");
            request.output = arguments[++i];
            outputSeen = true;
        } else if (command.takesJson && argument == "--json") {
            request.json = true;
        } else if (IsOption(argument)) {
            return Refused("unknown option " + argument + " for " + name);
        } else if (files.size() == command.fileCount) {
            return Refused(std::string(command.fileCount == 1 ? "more than one FILE" : "more than two FILEs") +
                           " for " + name);
        } else if (argument.empty()) {
            return Refused("empty FILE for " + name);
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() < command.fileCount)
        return Refused("missing FILE for " + name);
    if (command.needsJson && !request.json)
        return Refused(name + " needs --json");
    request.action = command.action;
    request.file = files.front();
    if (files.size() > 1)
        request.newFile = files[1];
    return request;
}

}  // namespace

CliRequest ParseArguments(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return Refused("missing command");
    const std::string& first = arguments.front();
    if (first == "--help" || first == "--version") {
        if (arguments.size() > 1)
            return Refused(first + " takes no arguments");
        return Done(first == "--help" ? CliRequest::Action::Help : CliRequest::Action::Version);
    }
    for (const CommandForm& command : kCommands)
        if (first == command.name)
            return ParseCommand(command, arguments);
    if (IsOption(first))
        return Refused("unknown option " + first);
    return Refused("unknown command " + first);
}

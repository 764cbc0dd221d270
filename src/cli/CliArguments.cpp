#include "cli/CliArguments.h"

namespace {

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

CliRequest Refused(const std::string& problem)
{
    CliRequest request;
    request.problem = problem;
    return request;
}

CliRequest Done(CliRequest::Action action, std::string file = {}, std::string output = {})
{
    CliRequest request;
    request.action = action;
    request.file = std::move(file);
    request.output = std::move(output);
    return request;
}

// What follows each command's name: its positional arguments in order and
// whether it takes -o OUT.
struct CommandSyntax {
    const char* name;
    CliRequest::Action action;
    std::vector<const char*> positionals;
    bool takesOutput;
};

const std::vector<CommandSyntax>& Commands()
{
    static const std::vector<CommandSyntax> commands = {
        {"check", CliRequest::Action::Check, {"FILE"}, false},
        {"format", CliRequest::Action::Format, {"FILE"}, true},
        {"timing", CliRequest::Action::Timing, {"FILE"}, false},
        {"layout", CliRequest::Action::Layout, {"FILE", "FRAME"}, false},
    };
    return commands;
}

// The rest of a command line: its positionals and, where allowed, -o OUT.
CliRequest ParseCommand(const CommandSyntax& command, const std::vector<std::string>& arguments)
{
    const std::string name = command.name;
    std::vector<std::string> positionals;
    std::string output;
    bool outputSeen = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (command.takesOutput && argument == "-o") {
            if (outputSeen)
                return Refused("-o given twice");
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return Refused("-o needs a file name");
            output = arguments[++i];
            outputSeen = true;
        } else if (IsOption(argument)) {
            return Refused("unknown option " + argument + " for " + name);
        } else if (positionals.size() == command.positionals.size()) {
            return Refused(std::string("more than one ") + command.positionals.back() + " for " + name);
        } else if (argument.empty()) {
            return Refused(std::string("empty ") + command.positionals[positionals.size()] + " for " + name);
        } else {
            positionals.push_back(argument);
        }
    }
    if (positionals.size() < command.positionals.size())
        return Refused(std::string("missing ") + command.positionals[positionals.size()] + " for " + name);
    CliRequest request = Done(command.action, positionals.front(), output);
    if (positionals.size() > 1)
        request.frame = positionals[1];
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
    for (const CommandSyntax& command : Commands())
        if (first == command.name)
            return ParseCommand(command, arguments);
    if (IsOption(first))
        return Refused("unknown option " + first);
    return Refused("unknown command " + first);
}

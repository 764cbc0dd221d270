#include "cli/CliArguments.h"

#include "cli/ValueArguments.h"

#include <algorithm>

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

// What follows each command's name: its positional arguments in order and
// the options it takes.
struct CommandSyntax {
    const char* name;
    CliRequest::Action action;
    std::vector<const char*> positionals;
    bool takesOutput;  // -o OUT
    bool takesJson;    // --json
    bool needsJson;
    bool takesDialect;  // --dialect D
    bool takesForce;    // --force
    bool takesKeepLayout = false;
};

const std::vector<CommandSyntax>& Commands()
{
    static const std::vector<CommandSyntax> commands = {
        {"check", CliRequest::Action::Check, {"FILE"}, false, false, false, true, false},
        {"format", CliRequest::Action::Format, {"FILE"}, true, false, false, true, true, true},
        {"rename", CliRequest::Action::Rename, {"FILE", "KIND", "OLD", "NEW"}, true, false, false, false, false},
        {"timing", CliRequest::Action::Timing, {"FILE"}, false, false, false, false, false},
        {"layout", CliRequest::Action::Layout, {"FILE", "FRAME"}, false, false, false, false, false},
        {"diff", CliRequest::Action::Diff, {"FILE", "FILE"}, false, true, false, false, false},
        {"export", CliRequest::Action::Export, {"FILE"}, false, true, true, false, false},
    };
    return commands;
}

// "2.0, 2.1, 2.2, iso17987, j2602"
std::string DialectNames()
{
    std::string names;
    for (lin::Dialect dialect : lin::Dialects())
        names += std::string(names.empty() ? "" : ", ") + lin::DialectName(dialect);
    return names;
}

// "more than one FRAME", or "more than two FILEs" where the last two
// positionals share their name.
std::string TooMany(const CommandSyntax& command)
{
    const std::string last = command.positionals.back();
    const auto alike = std::count_if(command.positionals.begin(), command.positionals.end(),
                                     [&](const char* positional) { return last == positional; });
    return alike > 1 ? "more than two " + last + "s" : "more than one " + last;
}

// The rest of a command line: its positionals and the options it takes.
CliRequest ParseCommand(const CommandSyntax& command, const std::vector<std::string>& arguments)
{
    const std::string name = command.name;
    std::vector<std::string> positionals;
    CliRequest request = Done(command.action);
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
        } else if (command.takesDialect && argument == "--dialect") {
            if (request.dialect)
                return Refused("--dialect given twice");
            if (i + 1 >= arguments.size())
                return Refused("--dialect needs one of " + DialectNames());
            request.dialect = lin::ParseDialect(arguments[++i]);
            if (!request.dialect)
                return Refused("unknown dialect " + arguments[i] + ", not one of " + DialectNames());
        } else if (command.takesForce && argument == "--force") {
            request.force = true;
        } else if (command.takesKeepLayout && argument == "--keep-layout") {
            request.keepLayout = true;
        } else if (command.takesJson && argument == "--json") {
            request.json = true;
        } else if (IsOption(argument)) {
            return Refused("unknown option " + argument + " for " + name);
        } else if (positionals.size() == command.positionals.size()) {
            return Refused(TooMany(command) + " for " + name);
        } else if (argument.empty()) {
            return Refused(std::string("empty ") + command.positionals[positionals.size()] + " for " + name);
        } else {
            positionals.push_back(argument);
        }
    }
    if (positionals.size() < command.positionals.size())
        return Refused(std::string("missing ") + command.positionals[positionals.size()] + " for " + name);
    if (command.needsJson && !request.json)
        return Refused(name + " needs --json");
    if (request.force && !request.dialect)
        return Refused("--force needs --dialect");
    request.file = positionals.front();
    if (command.action == CliRequest::Action::Rename) {
        request.kind = positionals[1];
        request.oldName = positionals[2];
        request.newName = positionals[3];
        return request;
    }
    if (positionals.size() > 1)
        (command.action == CliRequest::Action::Layout ? request.frame : request.newFile) = positionals[1];
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
    if (IsValueCommand(first))
        return ParseValueCommand(arguments);
    if (IsOption(first))
        return Refused("unknown option " + first);
    return Refused("unknown command " + first);
}

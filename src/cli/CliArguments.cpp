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

// The rest of a check or format command line: one FILE and, where allowed, -o OUT.
CliRequest ParseCommand(const std::string& command, const std::vector<std::string>& arguments, bool takesOutput)
{
    std::string file;
    std::string output;
    bool outputSeen = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (takesOutput && argument == "-o") {
            if (outputSeen)
                return Refused("-o given twice");
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return Refused("-o needs a file name");
            output = arguments[++i];
            outputSeen = true;
        } else if (IsOption(argument)) {
            return Refused("unknown option " + argument + " for " + command);
        } else if (!file.empty()) {
            return Refused("more than one FILE for " + command);
        } else if (argument.empty()) {
            return Refused("empty FILE for " + command);
        } else {
            file = argument;
        }
    }
    if (file.empty())
        return Refused("missing FILE for " + command);
    return Done(takesOutput ? CliRequest::Action::Format : CliRequest::Action::Check, file, output);
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
    if (first == "check" || first == "format")
        return ParseCommand(first, arguments, first == "format");
    if (IsOption(first))
        return Refused("unknown option " + first);
    return Refused("unknown command " + first);
}

#include "cli/ValueArguments.h"

namespace {

const char* const kDecode = "decode";
const char* const kEncode = "encode";
const char* const kDecodeLog = "decode-log";

CliRequest Refused(const std::string& problem)
{
    CliRequest request;
    request.problem = problem;
    return request;
}

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument.compare(0, 2, "--") == 0; }

}  // namespace

bool IsValueCommand(const std::string& command)
{
    return command == kDecode || command == kEncode || command == kDecodeLog;
}

CliRequest ParseValueCommand(const std::vector<std::string>& arguments)
{
    const std::string name = arguments.front();
    CliRequest request;
    request.action = name == kDecode   ? CliRequest::Action::Decode
                     : name == kEncode ? CliRequest::Action::Encode
                                       : CliRequest::Action::DecodeLog;
    const bool isLog = request.action == CliRequest::Action::DecodeLog;
    std::vector<std::string> positionals;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!isLog && argument == "--json")
            request.json = true;
        else if (isLog && argument == "--csv")
            request.csv = true;
        else if (IsOption(argument))
            return Refused("unknown option " + argument + " for " + name);
        else
            positionals.push_back(argument);
    }
    const char* const second = isLog ? "LOG" : "FRAME";
    if (positionals.size() < 2 || positionals[0].empty() || positionals[1].empty())
        return Refused(std::string("missing ") + (positionals.empty() || positionals[0].empty() ? "FILE" : second) +
                       " for " + name);
    request.file = positionals[0];
    (isLog ? request.log : request.frame) = positionals[1];
    request.values.assign(positionals.begin() + 2, positionals.end());
    if (isLog && !request.values.empty())
        return Refused("more than one LOG for " + name);
    if (request.action == CliRequest::Action::Decode && request.values.empty())
        return Refused("missing BYTES for " + name);
    if (request.action == CliRequest::Action::Encode)
        for (const std::string& value : request.values)
            if (value.find('=') == std::string::npos || value.front() == '=')
                return Refused("SIGNAL=VALUE expected, not " + value);
    return request;
}

#include "cli/CliArguments.h"

#include <gtest/gtest.h>

namespace {

using Action = CliRequest::Action;

TEST(ParseArguments, AcceptsTheFourForms)
{
    const struct {
        std::vector<std::string> arguments;
        Action action;
        std::string file;
        std::string output;
    } cases[] = {
        {{"--help"}, Action::Help, "", ""},
        {{"--version"}, Action::Version, "", ""},
        {{"check", "a.ldf"}, Action::Check, "a.ldf", ""},
        {{"format", "a.ldf"}, Action::Format, "a.ldf", ""},
        {{"format", "a.ldf", "-o", "b.ldf"}, Action::Format, "a.ldf", "b.ldf"},
        {{"format", "-o", "b.ldf", "a.ldf"}, Action::Format, "a.ldf", "b.ldf"},
        {{"check", "-"}, Action::Check, "-", ""},
        {{"timing", "a.ldf"}, Action::Timing, "a.ldf", ""},
        {{"layout", "a.ldf", "F1"}, Action::Layout, "a.ldf", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CliRequest request = ParseArguments(c.arguments);
        EXPECT_EQ(c.action, request.action) << request.problem;
        EXPECT_EQ(c.file, request.file);
        EXPECT_EQ(c.output, request.output);
    }
}

TEST(ParseArguments, RefusesWithTheReason)
{
    const struct {
        std::vector<std::string> arguments;
        std::string problem;
    } cases[] = {
        {{}, "missing command"},
        {{"lint", "a.ldf"}, "unknown command lint"},
        {{"--verbose"}, "unknown option --verbose"},
        {{"--help", "check"}, "--help takes no arguments"},
        {{"check"}, "missing FILE for check"},
        {{"check", ""}, "empty FILE for check"},
        {{"check", "a.ldf", "b.ldf"}, "more than one FILE for check"},
        {{"check", "a.ldf", "-o", "b.ldf"}, "unknown option -o for check"},
        {{"format", "-x", "a.ldf"}, "unknown option -x for format"},
        {{"format", "a.ldf", "-o"}, "-o needs a file name"},
        {{"format", "a.ldf", "-o", "b.ldf", "-o", "c.ldf"}, "-o given twice"},
        {{"format", "-o", "b.ldf"}, "missing FILE for format"},
        {{"timing"}, "missing FILE for timing"},
        {{"layout", "a.ldf"}, "missing FRAME for layout"},
        {{"layout", "a.ldf", "F1", "F2"}, "more than one FRAME for layout"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CliRequest request = ParseArguments(c.arguments);
        EXPECT_EQ(Action::UsageError, request.action);
        EXPECT_EQ(c.problem, request.problem);
    }
}

}  // namespace

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

TEST(ParseArguments, DiffTakesTwoFilesAndExportJson)
{
    const CliRequest diff = ParseArguments({"diff", "old.ldf", "--json", "new.ldf"});
    EXPECT_EQ(Action::Diff, diff.action) << diff.problem;
    EXPECT_EQ("old.ldf", diff.file);
    EXPECT_EQ("new.ldf", diff.newFile);
    EXPECT_TRUE(diff.json);
    EXPECT_FALSE(ParseArguments({"diff", "old.ldf", "new.ldf"}).json);
    const CliRequest exported = ParseArguments({"export", "--json", "a.ldf"});
    EXPECT_EQ(Action::Export, exported.action) << exported.problem;
    EXPECT_EQ("a.ldf", exported.file);
}

TEST(ParseArguments, RenameTakesKindOldAndNewAndFormatKeepsTheLayout)
{
    const CliRequest rename = ParseArguments({"rename", "a.ldf", "signal", "Old", "New", "-o", "b.ldf"});
    EXPECT_EQ(Action::Rename, rename.action) << rename.problem;
    EXPECT_EQ("a.ldf", rename.file);
    EXPECT_EQ("signal", rename.kind);
    EXPECT_EQ("Old", rename.oldName);
    EXPECT_EQ("New", rename.newName);
    EXPECT_EQ("b.ldf", rename.output);
    EXPECT_EQ("missing NEW for rename", ParseArguments({"rename", "a.ldf", "signal", "Old"}).problem);
    EXPECT_EQ("unknown option --keep-layout for rename",
              ParseArguments({"rename", "--keep-layout", "a.ldf", "signal", "Old", "New"}).problem);
    EXPECT_TRUE(ParseArguments({"format", "--keep-layout", "a.ldf"}).keepLayout);
    EXPECT_FALSE(ParseArguments({"format", "a.ldf"}).keepLayout);
}

TEST(ParseArguments, CheckAndFormatTakeADialect)
{
    const CliRequest format = ParseArguments({"format", "--dialect", "iso17987", "a.ldf", "--force", "-o", "b.ldf"});
    EXPECT_EQ(Action::Format, format.action) << format.problem;
    EXPECT_EQ(lin::Dialect::Iso17987, format.dialect);
    EXPECT_TRUE(format.force);
    EXPECT_EQ("b.ldf", format.output);
    const CliRequest check = ParseArguments({"check", "a.ldf", "--dialect", "2.0"});
    EXPECT_EQ(lin::Dialect::Lin20, check.dialect);
    EXPECT_FALSE(check.force);
    EXPECT_FALSE(ParseArguments({"check", "a.ldf"}).dialect);
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
        {{"diff", "a.ldf"}, "missing FILE for diff"},
        {{"diff", "a.ldf", "b.ldf", "c.ldf"}, "more than two FILEs for diff"},
        {{"diff", "-o", "c.ldf", "a.ldf", "b.ldf"}, "unknown option -o for diff"},
        {{"export", "a.ldf"}, "export needs --json"},
        {{"check", "--json", "a.ldf"}, "unknown option --json for check"},
        {{"format", "--dialect", "2.2A", "a.ldf"}, "unknown dialect 2.2A, not one of 2.0, 2.1, 2.2, iso17987, j2602"},
        {{"check", "a.ldf", "--dialect"}, "--dialect needs one of 2.0, 2.1, 2.2, iso17987, j2602"},
        {{"check", "--dialect", "2.0", "--dialect", "2.1", "a.ldf"}, "--dialect given twice"},
        {{"format", "--force", "a.ldf"}, "--force needs --dialect"},
        {{"check", "--dialect", "2.0", "--force", "a.ldf"}, "unknown option --force for check"},
        {{"timing", "--dialect", "2.0", "a.ldf"}, "unknown option --dialect for timing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CliRequest request = ParseArguments(c.arguments);
        EXPECT_EQ(Action::UsageError, request.action);
        EXPECT_EQ(c.problem, request.problem);
    }
}

}  // namespace

// Every tests/data/<case>.ldf is loaded and its messages compared with
// <case>.messages, line for line, exactly as the user reads them.

#include "TestFiles.h"
#include "model/LinNetwork.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string CaseName(const testing::TestParamInfo<std::string>& info)
{
    std::string name = std::filesystem::path(info.param).stem().string();
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

class LoadFixture : public testing::TestWithParam<std::string> {};

TEST_P(LoadFixture, GivesExpectedMessages)
{
    const std::string ldfPath = GetParam();
    const std::string expectedPath = ldfPath.substr(0, ldfPath.size() - 4) + ".messages";
    ASSERT_TRUE(std::filesystem::exists(expectedPath)) << "missing " << expectedPath;

    LoadResult loaded = LinNetwork::Load(ldfPath);
    ASSERT_TRUE(loaded) << loaded.error;
    std::vector<std::string> actual;
    for (const Message& message : loaded.network->messages)
        actual.push_back(FormatMessage(message));
    const std::vector<std::string> expected = SplitLines(ReadFileBytes(expectedPath));
    EXPECT_EQ(expected, actual) << SideBySide(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Data, LoadFixture, testing::ValuesIn(LdfFilesIn(TestDataDir())), CaseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(LoadFixture);

}  // namespace

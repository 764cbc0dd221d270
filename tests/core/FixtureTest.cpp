// Every tests/data/<case>.ldf is loaded and its messages compared with
// <case>.messages, line for line, exactly as the user reads them. Where a
// <case>.written.ldf lies beside it, the text the writer makes of the loaded
// and prepared network must equal that file.

#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "validation/TreeOutline.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string CaseName(const testing::TestParamInfo<std::string>& info)
{
    return FileCaseName(info.param, TestDataDir());
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

std::vector<std::string> FixturesWithWrittenText()
{
    std::vector<std::string> files;
    for (const std::string& path : LdfFilesIn(TestDataDir()))
        if (std::filesystem::exists(WrittenPathOf(path)))
            files.push_back(path);
    return files;
}

class WrittenFixture : public testing::TestWithParam<std::string> {};

TEST_P(WrittenFixture, WritesExpectedText)
{
    LoadResult loaded = LinNetwork::Load(GetParam());
    ASSERT_TRUE(loaded) << loaded.error;
    PrepareTreeOutline(*loaded.network);
    const std::string difference = CompareWithGolden(loaded.network->BuildLdfText(), WrittenPathOf(GetParam()));
    EXPECT_TRUE(difference.empty()) << difference;
}

INSTANTIATE_TEST_SUITE_P(Data, WrittenFixture, testing::ValuesIn(FixturesWithWrittenText()), CaseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(WrittenFixture);

}  // namespace

// Real files from public projects: each must load without crash or hang.

#include "TestFiles.h"
#include "model/LinNetwork.h"

#include <gtest/gtest.h>

namespace {

class CorpusFile : public testing::TestWithParam<std::string> {};

TEST_P(CorpusFile, Loads)
{
    LoadResult loaded = LinNetwork::Load(GetParam());
    ASSERT_TRUE(loaded) << loaded.error;
    EXPECT_EQ(GetParam(), loaded.network->filePath);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusFile, testing::ValuesIn(LdfFilesIn(CorpusDir())));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusFile);

}  // namespace

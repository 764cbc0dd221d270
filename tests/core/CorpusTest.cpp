// Real files from public projects: each must load without crash or hang,
// and each well-formed one is read to its end. (RoundTripTest writes and
// reads them again.)

#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "reader/UnreadText.h"

#include <gtest/gtest.h>

namespace {

class CorpusFile : public testing::TestWithParam<std::string> {};

TEST_P(CorpusFile, Loads)
{
    LoadResult loaded = LinNetwork::Load(GetParam());
    ASSERT_TRUE(loaded) << loaded.error;
    EXPECT_EQ(GetParam(), loaded.network->filePath);
    // The one file broken on purpose ends in garbage: "Nodes" without '{'.
    if (GetParam().find("syntax_error.ldf") != std::string::npos)
        return;
    for (const Message& message : loaded.network->messages)
        EXPECT_EQ(std::string::npos, message.Text().find(msg::GarbageAtEnd)) << message.Text();
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusFile, testing::ValuesIn(LdfFilesIn(CorpusDir())));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusFile);

}  // namespace

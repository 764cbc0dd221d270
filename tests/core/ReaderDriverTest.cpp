// The reader driver's results that no message shows, and reading text that
// stops anywhere.

#include "TestFiles.h"
#include "model/LinNetwork.h"

#include <gtest/gtest.h>

namespace {

TEST(ReaderDriver, TakesTheHeaderCommentLineByLine)
{
    auto network = LinNetwork::LoadFromText("/* \nfirst line\n\n  second * line\n*/\nLIN_description_file;\n");
    EXPECT_EQ("first line\r\n  second * line", network->headerComment);
    EXPECT_TRUE(network->descriptionFileSeen);

    auto crlf = LinNetwork::LoadFromText("/* \r\nA\r\r\nB\r\n*/\r\nLIN_description_file;\r\n");
    EXPECT_EQ("A\r\nB", crlf->headerComment);
}

TEST(ReaderDriver, StoresDynamicFrameIdsInRange)
{
    auto network = LinNetwork::LoadFromText("dynamic_frames { 48, 0x3D, 60, 0x3e, 59 }\n");
    EXPECT_EQ((std::vector<unsigned>{48, 62, 59}), network->dynamicFrameIds);
}

// Every statement form cut off at every byte: reading must stop at the end
// of the text without a crash or a hang, and keep whatever came before.
TEST(ReaderDriver, ReadsEveryPrefixOfTheFixtures)
{
    for (const std::string& path : LdfFilesIn(TestDataDir())) {
        SCOPED_TRACE(path);
        const std::string text = ReadFileBytes(path);
        for (std::size_t length = 0; length <= text.size(); ++length)
            LinNetwork::LoadFromText(text.substr(0, length));
    }
}

}  // namespace

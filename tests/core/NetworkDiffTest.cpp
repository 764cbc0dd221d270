// Comparing networks by meaning: a golden pair with one change of each kind,
// and every file against the text the writer makes of it.

#include "compare/NetworkDiff.h"
#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "model/UnreadPlaces.h"
#include "validation/TreeOutline.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

namespace {

TEST(CompareNetworks, NamesEachChangeInTheTreesOrderAndNoLayout)
{
    const std::string dir = TestDataDir() + "/diff/";
    const auto older = Prepared(LinNetwork::Load(dir + "old.ldf").network);
    const auto newer = Prepared(LinNetwork::Load(dir + "new.ldf").network);
    ASSERT_TRUE(older && newer);
    const std::vector<Difference> differences = CompareNetworks(*older, *newer);
    EXPECT_EQ("", CompareWithGolden(DifferenceLines(differences), dir + "old-to-new.diff"));
    // Backwards every change is undone: the same count, added and removed swapped.
    const std::vector<Difference> backwards = CompareNetworks(*newer, *older);
    ASSERT_EQ(differences.size(), backwards.size());
    const auto count = [](const std::vector<Difference>& list, Difference::Change change) {
        return std::count_if(list.begin(), list.end(), [&](const Difference& d) { return d.change == change; });
    };
    EXPECT_EQ(count(differences, Difference::Change::Added), count(backwards, Difference::Change::Removed));
    EXPECT_TRUE(CompareNetworks(*newer, *newer).empty());
}

class FormattedFile : public testing::TestWithParam<std::string> {};

// The writer's text means what the network means; only records the text
// cannot hold (named by RecordsLeftOut) may differ, and the statements kept
// inside blocks, which only the complete text gives back.
TEST_P(FormattedFile, MeansWhatTheFileMeans)
{
    const auto network = Prepared(LinNetwork::Load(GetParam()).network);
    ASSERT_TRUE(network);
    const auto reread = Prepared(LinNetwork::LoadFromText(network->BuildCompleteLdfText()));
    ASSERT_TRUE(reread);
    const std::vector<Difference> differences = CompareNetworks(*network, *reread);
    if (RecordsLeftOut(*network).empty())
        EXPECT_EQ("", DifferenceLines(differences));
    else
        EXPECT_FALSE(differences.empty());

    // The fixed layout drops those statements, and the comparison says so.
    const auto formatted = Prepared(LinNetwork::LoadFromText(network->BuildLdfText()));
    const std::string formattedDifferences = DifferenceLines(CompareNetworks(*network, *formatted));
    const bool dropsUnread = !UnreadStatementsLeftOut(*network).empty();
    EXPECT_EQ(dropsUnread, formattedDifferences.find("statement not read") != std::string::npos)
        << formattedDifferences;
}

std::vector<std::string> FilesToFormat()
{
    std::vector<std::string> files = LdfFilesIn(CorpusDir());
    for (const std::string& dir : {TestDataDir(), TestDataDir() + "/../../examples"})
        for (const std::string& file : LdfFilesIn(dir))
            files.push_back(file);
    return files;
}

INSTANTIATE_TEST_SUITE_P(Files, FormattedFile, testing::ValuesIn(FilesToFormat()));

}  // namespace

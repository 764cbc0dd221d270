// Comparing networks by meaning: a golden pair with one change of each kind,
// and every file against the text the writer makes of it.

#include "compare/NetworkDiff.h"
#include "TestFiles.h"
#include "compare/StoredSections.h"
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

    // The older network kept as bytes, as diff keeps it, compares the same.
    const StoredSections stored(DescribeNetwork(*older));
    std::vector<Difference> fromStored;
    CompareSections(stored.Sections(), DescribeNetwork(*newer),
                    [&](const Difference& difference) { fromStored.push_back(difference); });
    EXPECT_EQ(DifferenceLines(differences), DifferenceLines(fromStored));
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

// The labels of a value's fields, nested ones in brackets: equality of
// values compares names and values, not the labels the texts show.
std::string Labels(const FieldValue& value)
{
    std::string labels;
    for (const FieldValue& item : value.items)
        labels += "[" + Labels(item) + "]";
    for (const Field& field : value.fields)
        labels += field.label + "(" + Labels(field.value) + ")";
    return labels;
}

// The stored sections describe the same records, field for field.
void ExpectSameSections(const std::vector<NetworkSection>& described, const std::vector<NetworkSection>& stored)
{
    ASSERT_EQ(described.size(), stored.size());
    for (std::size_t s = 0; s < described.size(); ++s) {
        SCOPED_TRACE(described[s].key);
        EXPECT_EQ(described[s].key, stored[s].key);
        EXPECT_EQ(described[s].path, stored[s].path);
        EXPECT_EQ(described[s].single, stored[s].single);
        ASSERT_EQ(described[s].size, stored[s].size);
        for (std::size_t i = 0; i < described[s].size; ++i) {
            const FieldValue record = described[s].record(i);
            const FieldValue storedRecord = stored[s].record(i);
            EXPECT_EQ(record, storedRecord) << record.Show();
            EXPECT_EQ(Labels(record), Labels(storedRecord));
            EXPECT_EQ(described[s].name(i), stored[s].name(i));
        }
    }
}

// Every record comes back from the compact bytes as it was described,
// from the temporary file and from memory.
TEST_P(FormattedFile, StoredSectionsGiveBackEveryRecord)
{
    const auto network = Prepared(LinNetwork::Load(GetParam()).network);
    ASSERT_TRUE(network);
    const std::vector<NetworkSection> described = DescribeNetwork(*network);
    for (const RecordBytes::Where where : {RecordBytes::Where::TemporaryFile, RecordBytes::Where::Memory}) {
        SCOPED_TRACE(where == RecordBytes::Where::Memory ? "in memory" : "in a temporary file");
        const StoredSections store(described, where);
        ExpectSameSections(described, store.Sections());
        EXPECT_FALSE(store.Failed());
    }
}

// What export and diff show of a network only tidied up is what they show
// of the prepared one.
TEST_P(FormattedFile, TidyingUpDescribesWhatThePreparationGives)
{
    const auto prepared = Prepared(LinNetwork::Load(GetParam()).network);
    const auto tidied = LinNetwork::Load(GetParam()).network;
    ASSERT_TRUE(prepared && tidied);
    TidyUpNetwork(*tidied);
    const std::vector<NetworkSection> expected = DescribeNetwork(*prepared);
    const std::vector<NetworkSection> actual = DescribeNetwork(*tidied);
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t s = 0; s < expected.size(); ++s) {
        SCOPED_TRACE(expected[s].key);
        ASSERT_EQ(expected[s].size, actual[s].size);
        for (std::size_t i = 0; i < expected[s].size; ++i)
            EXPECT_EQ(expected[s].record(i), actual[s].record(i)) << expected[s].record(i).Show();
    }
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

// Saving in the file's own layout. Every fixture and corpus file comes back
// byte for byte when nothing was edited; a renamed signal changes only the
// lines that name it; and the cases in tests/data/layout pin what an edit
// does to the text around it. Each case there is <case>.ldf as read, the
// edited network as <case>.edit.written.ldf (or the LDF version to convert
// to in <case>.dialect), and the text saved in the layout kept as
// <case>.kept.written.ldf.

#include "TestFiles.h"
#include "compare/NetworkDiff.h"
#include "model/DialectConversion.h"
#include "model/LinNetwork.h"
#include "model/Rename.h"
#include "validation/TreeOutline.h"
#include "writer/LayoutKeepingWriter.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

std::unique_ptr<LinNetwork> LoadPrepared(const std::string& path)
{
    LoadResult loaded = LinNetwork::Load(path);
    return loaded ? Prepared(std::move(loaded.network)) : nullptr;
}

std::string WithoutExtension(const std::string& path) { return path.substr(0, path.size() - 4); }

std::vector<std::string> FixturesAndCorpus()
{
    std::vector<std::string> files = LdfFilesIn(TestDataDir());
    const std::vector<std::string> corpus = LdfFilesIn(CorpusDir());
    files.insert(files.end(), corpus.begin(), corpus.end());
    return files;
}

std::string CaseName(const testing::TestParamInfo<std::string>& info)
{
    const bool corpus = info.param.rfind(CorpusDir(), 0) == 0;
    return (corpus ? "corpus_" : "") + FileCaseName(info.param, corpus ? CorpusDir() : TestDataDir());
}

class UneditedFile : public testing::TestWithParam<std::string> {};

TEST_P(UneditedFile, IsWrittenByteForByte)
{
    const auto network = LoadPrepared(GetParam());
    ASSERT_TRUE(network);
    const std::string asRead = network->BuildCompleteLdfText();
    EXPECT_EQ(ReadFileBytes(GetParam()), BuildLayoutKeptText(*network, asRead));
}

INSTANTIATE_TEST_SUITE_P(All, UneditedFile, testing::ValuesIn(FixturesAndCorpus()), CaseName);

bool IsCommentLine(const std::string& line)
{
    return line.find("//") != std::string::npos || line.find("/*") != std::string::npos ||
           line.find("*/") != std::string::npos;
}

bool NamesWord(const std::string& line, const std::string& word)
{
    auto isNamePart = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    for (std::size_t at = line.find(word); at != std::string::npos; at = line.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !isNamePart(line[at - 1])) && (end == line.size() || !isNamePart(line[end])))
            return true;
    }
    return false;
}

class RenamedSignal : public testing::TestWithParam<std::string> {};

// The signal in the middle of the list: neither the first nor the last of
// its section.
TEST_P(RenamedSignal, ChangesOnlyTheLinesThatNameIt)
{
    const auto network = LoadPrepared(GetParam());
    ASSERT_TRUE(network);
    if (network->signals.empty())
        GTEST_SKIP() << "no signal";
    const std::string asRead = network->BuildCompleteLdfText();
    const std::size_t index = network->signals.size() / 2;
    const std::string oldName = network->signals[index]->name;
    const std::string newName = "Renamed_signal";
    ASSERT_TRUE(RenameSignal(*network, index, newName));

    const std::string kept = BuildLayoutKeptText(*network, asRead);
    const std::vector<std::string> before = SplitLines(network->fileText);
    const std::vector<std::string> after = SplitLines(kept);
    ASSERT_EQ(before.size(), after.size()) << kept;
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        if (before[i] == after[i])
            continue;
        EXPECT_TRUE(NamesWord(before[i], oldName)) << before[i];
        EXPECT_TRUE(NamesWord(after[i], newName)) << after[i];
        if (IsCommentLine(before[i])) {
            EXPECT_TRUE(IsCommentLine(after[i])) << after[i];
        }
    }

    // The saved text reads back as the renamed network.
    const auto reread = Prepared(LinNetwork::LoadFromText(kept));
    EXPECT_EQ("", DifferenceLines(CompareNetworks(*network, *reread)));
}

INSTANTIATE_TEST_SUITE_P(Corpus, RenamedSignal, testing::ValuesIn(LdfFilesIn(CorpusDir())), CaseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RenamedSignal);

std::vector<std::string> LayoutCases()
{
    std::vector<std::string> cases;
    for (const std::string& path : LdfFilesIn(TestDataDir() + "/layout"))
        if (path.find(".written.") == std::string::npos)
            cases.push_back(path);
    return cases;
}

class EditedLayout : public testing::TestWithParam<std::string> {};

TEST_P(EditedLayout, RewritesOnlyWhatChanged)
{
    const std::string base = WithoutExtension(GetParam());
    const auto network = LoadPrepared(GetParam());
    ASSERT_TRUE(network);
    const std::string asRead = network->BuildCompleteLdfText();
    std::unique_ptr<LinNetwork> edited;
    if (std::filesystem::exists(base + ".dialect")) {
        const auto dialect = lin::ParseDialect(SplitLines(ReadFileBytes(base + ".dialect")).at(0));
        ASSERT_TRUE(dialect);
        ConvertToDialect(*network, *dialect);
        PrepareTreeOutline(*network);
        edited = LinNetwork::LoadFromText(network->fileText);
        edited->RestoreContent(network->Content());
    } else {
        edited = LoadPrepared(base + ".edit.written.ldf");
        ASSERT_TRUE(edited);
    }
    const std::string kept = WriteKeepingLayout(network->fileText, asRead, edited->BuildCompleteLdfText());
    const std::string difference = CompareWithGolden(kept, base + ".kept.written.ldf");
    EXPECT_TRUE(difference.empty()) << difference;

    const auto reread = Prepared(LinNetwork::LoadFromText(kept));
    EXPECT_EQ("", DifferenceLines(CompareNetworks(*edited, *reread)));
}

INSTANTIATE_TEST_SUITE_P(Layout, EditedLayout, testing::ValuesIn(LayoutCases()), CaseName);

}  // namespace

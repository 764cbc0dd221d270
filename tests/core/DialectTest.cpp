// Converting a network between LDF versions. tests/data/dialects/rich.ldf
// holds every statement a conversion rewrites or drops; written in each
// dialect it must equal rich-<dialect>.written.ldf, list the losses of
// rich-<dialect>.losses, and read back to the converted network. Every
// corpus file goes to LIN 2.1 and back and keeps its entities.

#include "TestFiles.h"
#include "compare/NetworkDiff.h"
#include "ldf/ScheduleCommands.h"
#include "model/DialectConversion.h"
#include "model/LinNetwork.h"
#include "model/VersionTable.h"
#include "validation/TreeOutline.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using lin::Dialect;

std::unique_ptr<LinNetwork> LoadPrepared(const std::string& path) { return Prepared(LinNetwork::Load(path).network); }

std::string LossLines(const std::vector<ConversionLoss>& losses)
{
    std::string lines;
    for (const ConversionLoss& loss : losses)
        lines += FormatLoss(loss) + "\n";
    return lines;
}

TEST(LinDialect, NamesAndVersionTextsRoundTrip)
{
    for (Dialect dialect : lin::Dialects()) {
        SCOPED_TRACE(lin::DialectName(dialect));
        EXPECT_EQ(dialect, lin::ParseDialect(lin::DialectName(dialect)));
        LinNetwork network;
        network.languageVersionText = lin::DialectLanguageVersion(dialect);
        network.languageVersion = static_cast<float>(lin::VersionNumber(network.languageVersionText));
        EXPECT_EQ(dialect, lin::DialectOf(network));
    }
    EXPECT_FALSE(lin::ParseDialect("2.2A"));
    EXPECT_EQ("LIN 2.2A", lin::DialectCaption(Dialect::Lin22));
    LinNetwork older;
    for (const char* version : {"1.3", "J2602_3_2.0"}) {
        older.languageVersionText = version;
        older.languageVersion = static_cast<float>(lin::VersionNumber(version));
        EXPECT_FALSE(lin::DialectOf(older)) << version;
    }
}

// A network converted to a version is written in that version's text and
// must read back as it: the text's row reads all the row holds.
TEST(VersionTable, EveryRowReadsWhatItHolds)
{
    for (Dialect dialect : lin::Dialects()) {
        SCOPED_TRACE(lin::DialectName(dialect));
        const lin::VersionRow& row = lin::RowOf(dialect);
        EXPECT_EQ(dialect, row.dialect);
        const std::string language = lin::DialectLanguageVersion(dialect);
        EXPECT_EQ(&row, &lin::RowOfLanguage(language, static_cast<float>(lin::VersionNumber(language))));
        EXPECT_TRUE(row.lin21Forms || !row.lin21Statements);
        for (const ScheduleCommandSpec& command : kScheduleCommands) {
            EXPECT_TRUE(row.ReadsCommand(command) || !row.HoldsCommand(command)) << command.keyword;
            EXPECT_EQ(command.since == Dialect::Lin20 || dialect != Dialect::Lin20, row.ReadsCommand(command))
                << command.keyword;
        }
        for (int nad : {1, 127})
            EXPECT_TRUE(row.IsNodeAddress(nad)) << nad;
    }
}

// The row a network's language version reads as: its text while the text
// stands for the number, else the number.
TEST(VersionTable, LanguageRowFollowsTextAndNumber)
{
    struct Row {
        const char* text;
        float number;
        bool lin21Forms;
        bool j2602Timings;
    };
    const Row rows[] = {
        {"2.0", 2.0f, false, false},       {"1.3", 1.3f, false, false},       {"2.1", 2.1f, true, false},
        {"2.1", 2.0f, false, false},  // the number was edited
        {"13.", 13.0f, true, false},       {"", 2.2f, true, false},           {"ISO17987:2016", 2.2f, true, false},
        {"J2602_3_1.0", 2.0f, true, true}, {"J2602_3_2.0", 2.2f, true, true}, {"J2602_3_1.0", 1.3f, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " " + std::to_string(row.number));
        const lin::VersionRow& version = lin::RowOfLanguage(row.text, row.number);
        EXPECT_EQ(row.lin21Forms, version.lin21Forms);
        EXPECT_EQ(row.j2602Timings, version.j2602Timings);
        EXPECT_EQ(row.lin21Forms, version.IsNodeAddress(0));
    }
    EXPECT_TRUE(lin::RowOfText("J2602_1_2.0").j2602Timings);
    EXPECT_FALSE(lin::RowOfText("ISO17987:2016").j2602Timings);
}

TEST(DialectConversion, RichNetworkInEveryDialectReadsBackAsConverted)
{
    const std::string dir = TestDataDir() + "/dialects/";
    for (Dialect dialect : lin::Dialects()) {
        const std::string name = lin::DialectName(dialect);
        SCOPED_TRACE(name);
        auto network = LoadPrepared(dir + "rich.ldf");
        ASSERT_TRUE(network);
        const std::vector<ConversionLoss> predicted = ConversionLosses(*network, dialect);
        const std::vector<ConversionLoss> losses = ConvertToDialect(*network, dialect);
        EXPECT_EQ(LossLines(predicted), LossLines(losses));
        std::string difference = CompareWithGolden(LossLines(losses), dir + "rich-" + name + ".losses");
        EXPECT_TRUE(difference.empty()) << difference;
        const std::string text = network->BuildLdfText();
        difference = CompareWithGolden(text, dir + "rich-" + name + ".written.ldf");
        EXPECT_TRUE(difference.empty()) << difference;

        const auto reopened = Prepared(LinNetwork::LoadFromText(text));
        EXPECT_EQ(dialect, lin::DialectOf(*reopened));
        EXPECT_EQ(std::vector<std::string>(), AddedMessages(network->messages, reopened->messages));
        EXPECT_EQ("", DifferenceLines(CompareNetworks(*network, *reopened)));
        // Once converted, the network is of the dialect and loses nothing more.
        EXPECT_TRUE(ConvertToDialect(*reopened, dialect).empty());
    }
}

// Rewritten forms on a network as read, before the tree fills in lengths.
TEST(DialectConversion, ImpliedLengthsAndAmbiguousAssignNad)
{
    const char* const text =
        "LIN_description_file; LIN_protocol_version = \"2.0\"; LIN_language_version = \"2.0\";\n"
        "LIN_speed = 19.2 kbps; Nodes { Master: M, 5 ms, 0.1 ms; Slaves: A, B; }\n"
        "Signals { S: 8, 0, A, M; } Frames { F: 0x30, A { S, 0; } }\n"
        "Node_attributes { A { LIN_protocol = \"2.0\"; configured_NAD = 5; product_id = 1, 2, 0; }\n"
        "B { LIN_protocol = \"2.0\"; configured_NAD = 5; product_id = 1, 2, 0; } }\n"
        "Schedule_tables { T { AssignNAD { 5, 5, 1, 2 } delay 10 ms; F delay 10 ms; } }\n";
    for (Dialect dialect : {Dialect::Lin21, Dialect::J2602}) {
        SCOPED_TRACE(lin::DialectName(dialect));
        auto network = LinNetwork::LoadFromText(text);
        ASSERT_TRUE(network->messages.Empty()) << FormatMessage(network->messages[0]);
        const std::vector<ConversionLoss> losses = ConvertToDialect(*network, dialect);
        EXPECT_EQ(dialect == Dialect::Lin21 ? 8 : 0, network->frames[0]->length);
        // Both slaves fit the four numbers: LIN 2.1 cannot name one.
        EXPECT_EQ(dialect == Dialect::Lin21 ? "Schedule table T, entry 1: AssignNAD with numbers that fit no single "
                                              "slave is not in LIN 2.1\n"
                                            : "",
                  LossLines(losses));
        EXPECT_EQ(dialect == Dialect::Lin21 ? 1u : 2u, network->scheduleTables[0]->entries.size());
    }
}

// LIN 2.0 text has no initial_NAD, so AssignNAD carries it there; back in
// LIN 2.1 the command names its slave again and the slave gets it back.
TEST(DialectConversion, AssignNadSurvivesLin21ToLin20AndBack)
{
    const auto network = LoadPrepared(CorpusDir() + "/ldfparser/lin21.ldf");
    ASSERT_NE(nullptr, network) << "the corpus file did not load";
    ConvertToDialect(*network, Dialect::Lin20);
    const auto lin20 = Prepared(LinNetwork::LoadFromText(network->BuildLdfText()));
    const std::string losses = LossLines(ConvertToDialect(*lin20, Dialect::Lin21));
    EXPECT_EQ(std::string::npos, losses.find("AssignNAD")) << losses;
    const std::string text = lin20->BuildLdfText();
    EXPECT_NE(std::string::npos, text.find("AssignNAD { LSM }")) << text;
    EXPECT_NE(std::string::npos, text.find("initial_NAD = 1;")) << text;
}

TEST(DialectConversion, AddressOnlyLin21HoldsIsLostBeforeLin21)
{
    auto network = LinNetwork::LoadFromText(
        "LIN_description_file; LIN_protocol_version = \"2.1\"; LIN_language_version = \"2.1\";\n"
        "LIN_speed = 19.2 kbps; Nodes { Master: M, 5 ms, 0.1 ms; Slaves: A; }\n"
        "Node_attributes { A { LIN_protocol = \"2.0\"; configured_NAD = 0xFF; product_id = 1, 2, 0; } }\n");
    EXPECT_EQ("Node attributes of A: configured_NAD 255 is not in LIN 2.0\n",
              LossLines(ConvertToDialect(*network, Dialect::Lin20)));
    EXPECT_EQ(127, network->nodeAttributes[0]->configuredNad);
}

TEST(DialectConversion, FileOfTheDialectKeepsTheValuesItGave)
{
    auto network = LinNetwork::LoadFromText(
        "LIN_description_file; LIN_protocol_version = \"2.0\"; LIN_language_version = \"2.0\";\n"
        "LIN_speed = 19.2 kbps; Nodes { Master: M, 5 ms, 0.1 ms; Slaves: A; }\n"
        "Node_attributes { A { LIN_protocol = \"2.0\"; configured_NAD = 0xFF; product_id = 1, 2; } }\n");
    EXPECT_EQ("", LossLines(ConvertToDialect(*network, Dialect::Lin20)));
    EXPECT_EQ(0xFF, network->nodeAttributes[0]->configuredNad);
    EXPECT_EQ(2, network->nodeAttributes[0]->productIdCount);
}

// The entities removed on the way whose name no listed record mentions.
std::string UnlistedRemovals(const std::vector<Difference>& differences, const std::vector<std::string>& listed)
{
    std::string unlisted;
    for (const Difference& difference : differences) {
        if (difference.change != Difference::Change::Removed || !difference.field.empty())
            continue;
        const std::string& entity = difference.path.back();
        if (std::none_of(listed.begin(), listed.end(),
                         [&](const std::string& record) { return record.find(entity) != std::string::npos; }))
            unlisted += difference.Text() + "\n";
    }
    return unlisted;
}

class CorpusDialect : public testing::TestWithParam<std::string> {};

TEST_P(CorpusDialect, GoesToLin21AndBackKeepingEveryEntity)
{
    const auto original = LoadPrepared(GetParam());
    ASSERT_TRUE(original);
    // A LIN 1.3 file comes back as LIN 2.0, the oldest dialect.
    const Dialect own = lin::DialectOf(*original).value_or(Dialect::Lin20);
    if (lin::DialectOf(*original)) {
        LinNetwork same(*original);
        EXPECT_EQ("", LossLines(ConvertToDialect(same, own)));
        EXPECT_EQ(original->BuildLdfText(), same.BuildLdfText());
    }

    LinNetwork converted(*original);
    std::vector<ConversionLoss> losses = ConvertToDialect(converted, Dialect::Lin21);
    const std::string text = converted.BuildLdfText();
    for (const char* lin20Form : {"dynamic_frames", "Signal_representations", "\"2.00\""})
        EXPECT_EQ(std::string::npos, text.find(lin20Form)) << lin20Form;
    const auto reopened = Prepared(LinNetwork::LoadFromText(text));
    EXPECT_EQ(std::vector<std::string>(), AddedMessages(original->messages, reopened->messages));

    const std::vector<ConversionLoss> back = ConvertToDialect(*reopened, own);
    losses.insert(losses.end(), back.begin(), back.end());
    // What the writer leaves out of any text is no loss of the conversion.
    std::vector<std::string> listed;
    for (const ConversionLoss& loss : losses)
        listed.push_back(loss.record);
    for (const LeftOutRecord& leftOut : RecordsLeftOut(*original))
        listed.push_back(leftOut.record);
    EXPECT_EQ("", UnlistedRemovals(CompareNetworks(*original, *reopened), listed));
}

// The one file broken on purpose stops reading early: it has little to convert.
std::vector<std::string> WellFormedCorpusFiles()
{
    std::vector<std::string> files = LdfFilesIn(CorpusDir());
    files.erase(
        std::remove_if(files.begin(), files.end(),
                       [](const std::string& file) { return file.find("syntax_error.ldf") != std::string::npos; }),
        files.end());
    return files;
}

std::string CorpusName(const testing::TestParamInfo<std::string>& info)
{
    return FileCaseName(info.param, CorpusDir());
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusDialect, testing::ValuesIn(WellFormedCorpusFiles()), CorpusName);

}  // namespace

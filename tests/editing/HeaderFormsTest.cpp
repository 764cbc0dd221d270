// The network and master sheets over the header fields LIN 2.1, ISO 17987 and
// J2602 add: each commits through its form, and an unchanged OK keeps every
// real file's header as it was read.

#include "../core/TestFiles.h"
#include "editing/MasterForm.h"
#include "editing/NetworkForm.h"
#include "model/LinNetwork.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct HeaderEdit {
    int line;
    std::function<void(NetworkForm&, MasterForm&)> edit;
    std::string expected;  // a part of the written text; "-" before it: no such part
};

void Commit(LinNetwork& network, const std::function<void(NetworkForm&, MasterForm&)>& edit)
{
    NetworkForm header = NetworkForm::Read(network);
    MasterForm master = MasterForm::Read(network);
    edit(header, master);
    header.Commit(network);
    master.Commit(network);
}

std::unique_ptr<LinNetwork> LoadIsoHeader()
{
    return LinNetwork::LoadFromText("LIN_description_file;\nLIN_protocol_version = \"ISO17987:2016\";\n"
                                    "LIN_language_version = \"2.1\";\nLIN_speed = 19.2 kbps;\nChannel_name = \"DB\";\n"
                                    "Nodes { Master: M, 10 ms, 0.1 ms, 24 bits, 30 %; Slaves: S; }\n");
}

TEST(HeaderForms, EveryFieldCommits)
{
    const HeaderEdit edits[] = {
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.protocolVersion = "ISO17987:2015"; },
         "LIN_protocol_version = \"ISO17987:2015\";"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.languageVersion = "J2602_3_1.0"; },
         "LIN_language_version = \"J2602_3_1.0\";"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.languageVersion = "1.3"; }, "LIN_language_version = \"1.3"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.protocolVersion = "2.1 beta"; },
         "LIN_protocol_version = \"ISO17987:2016\";"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.languageVersion = ""; }, "LIN_language_version = \"2.0"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.speed = "10.417"; }, "LIN_speed = 10.417 kbps;"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.speed = "25"; }, "LIN_speed = 19.2"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.speed = "fast"; }, "LIN_speed = 19.2"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.channelName = ""; }, "Channel_name = \"\";"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.channelName = "A\"B\r\nC;"; }, "Channel_name = \"ABC;\";"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.channelName.reset(); }, "-Channel_name"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.fileRevision = "3.1.0"; }, "LDF_file_revision = \"3.1.0\";"},
        {__LINE__, [](NetworkForm& f, MasterForm&) { f.byteOrder = SignalByteOrder::LittleEndian; },
         "LIN_sig_byte_order_little_endian;"},
        {__LINE__,
         [](NetworkForm&, MasterForm& m) {
             m.maxHeaderBits = "50";
             m.tolerancePercent = "12.5";
         },
         " ms, 50 bits, 12.5 %;"},
        {__LINE__, [](NetworkForm&, MasterForm& m) { m.tolerancePercent = "-1"; }, " ms, 24 bits, 30 %;"},
        {__LINE__, [](NetworkForm&, MasterForm& m) { m.j2602Given = false; }, "-bits"},
    };
    for (const HeaderEdit& row : edits) {
        SCOPED_TRACE(testing::Message() << __FILE__ << ":" << row.line);
        auto network = LoadIsoHeader();
        Commit(*network, row.edit);
        const std::string text = network->BuildLdfText();
        if (row.expected.front() == '-')
            EXPECT_EQ(text.find(row.expected.substr(1)), std::string::npos) << text;
        else
            EXPECT_NE(text.find(row.expected), std::string::npos) << text;
    }
}

TEST(HeaderForms, AJ2602PairGivenAnewStartsFromTheDefaults)
{
    auto network = LinNetwork::CreateDefault();
    MasterForm master = MasterForm::Read(*network);
    EXPECT_FALSE(master.j2602Offered);
    EXPECT_EQ(master.maxHeaderBits, "48");
    EXPECT_EQ(master.tolerancePercent, "40");
    master.j2602Given = true;
    master.tolerancePercent = "much";
    master.Commit(*network);
    EXPECT_EQ(network->maxHeaderBits, 48);
    EXPECT_EQ(network->masterTolerancePercent, 40);

    network->languageVersionText = "J2602_3_1.0";
    network->maxHeaderBits = -1;
    EXPECT_TRUE(MasterForm::Read(*network).j2602Offered);
}

TEST(HeaderForms, TheLaterHeaderStatementsAreOfferedAfterLin20OrWhenGiven)
{
    auto network = LinNetwork::CreateDefault();
    NetworkForm form = NetworkForm::Read(*network);
    EXPECT_FALSE(form.OffersLin21Header());
    form.languageVersion = "ISO17987:2016";
    EXPECT_TRUE(form.OffersLin21Header());
    network->fileRevision = "1";
    EXPECT_TRUE(NetworkForm::Read(*network).OffersLin21Header());
}

class UnchangedOk : public testing::TestWithParam<std::string> {};

TEST_P(UnchangedOk, KeepsTheWrittenText)
{
    auto network = LinNetwork::LoadFromText(ReadFileBytes(GetParam()), GetParam());
    if (network->protocolVersion < 0 || network->languageVersion < 0 || network->speedKbps < 0)
        GTEST_SKIP() << "the sheet writes the standard value for a field the file leaves out";
    const std::string before = network->BuildLdfText();
    Commit(*network, [](NetworkForm&, MasterForm&) {});
    EXPECT_EQ(FirstTextDifference(before, network->BuildLdfText()), "");
}

std::vector<std::string> CorpusAndFixtures()
{
    std::vector<std::string> files = LdfFilesIn(CorpusDir());
    for (const std::string& fixture : LdfFilesIn(TestDataDir()))
        files.push_back(fixture);
    return files;
}

INSTANTIATE_TEST_SUITE_P(CorpusAndFixtures, UnchangedOk, testing::ValuesIn(CorpusAndFixtures()));

}  // namespace

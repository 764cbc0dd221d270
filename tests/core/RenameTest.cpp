// Renaming an entity keeps every mention of it. Each case renames one record
// of tests/data/rename/rich.ldf, which mentions every kind of name in every
// place the file can; the text written afterwards must equal the golden
// rename/rich-<case>.written.ldf, which differs from the text written before
// only in the renamed name.

#include "model/Rename.h"
#include "NetworkDump.h"
#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "validation/TreeOutline.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

namespace {

std::string RenameDir() { return TestDataDir() + "/rename/"; }

std::unique_ptr<LinNetwork> LoadPrepared(const std::string& path)
{
    LoadResult loaded = LinNetwork::Load(path);
    if (loaded)
        PrepareTreeOutline(*loaded.network);
    return std::move(loaded.network);
}

std::size_t CountWord(const std::string& text, const std::string& word)
{
    const std::regex pattern("\\b" + word + "\\b");
    return static_cast<std::size_t>(
        std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()));
}

TEST(Rename, EveryKindOfEntityKeepsEveryMention)
{
    const struct {
        const char* name;
        std::function<bool(LinNetwork&)> rename;
    } cases[] = {
        {"master", [](LinNetwork& n) { return RenameMaster(n, "Gw"); }},
        {"slave", [](LinNetwork& n) { return RenameSlave(n, 0, "LeftDoor"); }},
        {"signal", [](LinNetwork& n) { return RenameSignal(n, 0, "Latch"); }},
        {"frame", [](LinNetwork& n) { return RenameFrame(n, 0, "DoorStatus"); }},
        {"event-triggered-frame", [](LinNetwork& n) { return RenameEventTriggeredFrame(n, 0, "DoorEvent"); }},
        {"sporadic-frame", [](LinNetwork& n) { return RenameSporadicFrame(n, 0, "DoorSporadic"); }},
        {"schedule-table", [](LinNetwork& n) { return RenameScheduleTable(n, 0, "Drive"); }},
        {"encoding-type", [](LinNetwork& n) { return RenameEncodingType(n, 0, "Volts"); }},
        {"configuration", [](LinNetwork& n) { return RenameCompositeConfiguration(n, 0, "DoorPair"); }},
        {"composite-node", [](LinNetwork& n) { return RenameCompositeNode(n, 0, 0, "Pair"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto network = LoadPrepared(RenameDir() + "rich.ldf");
        ASSERT_TRUE(network);
        ASSERT_TRUE(c.rename(*network));
        // The next tree rebuild finds nothing dangling to drop.
        PrepareTreeOutline(*network);
        const std::string golden = RenameDir() + "rich-" + c.name + ".written.ldf";
        const std::string difference = CompareWithGolden(network->BuildLdfText(), golden);
        EXPECT_TRUE(difference.empty()) << difference;
    }

    auto network = LoadPrepared(RenameDir() + "rich.ldf");
    const std::vector<std::string> before = DumpNetwork(*network);
    EXPECT_FALSE(RenameSlave(*network, 3, "None"));
    EXPECT_FALSE(RenameCompositeNode(*network, 0, 1, "None"));
    EXPECT_FALSE(RenameCompositeNode(*network, 2, 0, "None"));
    EXPECT_EQ(DumpNetwork(*network), before);
}

TEST(Rename, ASavedSlaveKeepsEveryReferenceOfTheExample)
{
    const auto network = LoadPrepared(TestDataDir() + "/../../examples/body-control.ldf");
    ASSERT_TRUE(network);
    const std::string before = network->BuildLdfText();
    ASSERT_GE(CountWord(before, "DoorPsg"), 10u);
    std::size_t index = 0;
    while (index < network->slaves.size() && network->slaves[index]->name != "DoorPsg")
        ++index;
    ASSERT_TRUE(RenameSlave(*network, index, "DoorPsgX"));
    PrepareTreeOutline(*network);

    ScratchFolder folder;
    ASSERT_TRUE(SaveLdf(*network, folder / "renamed.ldf"));
    const std::string written = ToLfLineEnds(ReadFileBytes(folder / "renamed.ldf"));
    EXPECT_EQ(written, ToLfLineEnds(std::regex_replace(before, std::regex("\\bDoorPsg\\b"), "DoorPsgX")));
}

// The LIN 2.1 mentions: commands that name a slave, fault state signals.
TEST(Rename, Lin21MentionsFollowTheRecord)
{
    auto n = LinNetwork::LoadFromText(ReadFileBytes(TestDataDir() + "/lin21-node-attributes.ldf"));
    ScheduleTable& table = *n->scheduleTables[0];
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kSaveConfiguration, std::make_unique<NodeCommand>()));
    table.entries.back()->Node()->nodeName = "LSM";
    auto assignNad = std::make_unique<AssignNadCommand>();
    assignNad->nodeName = "LSM";
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kAssignNad, std::move(assignNad)));
    ASSERT_TRUE(RenameSlave(*n, 0, "Lamp_Module"));
    ASSERT_TRUE(RenameSignal(*n, 2, "InternalError"));
    const std::string text = n->BuildLdfText();
    EXPECT_EQ(0u, CountWord(text, "LSM"));
    EXPECT_EQ(0u, CountWord(text, "IntError"));
    EXPECT_NE(std::string::npos, text.find("SaveConfiguration { Lamp_Module }"));
    EXPECT_NE(std::string::npos, text.find("AssignNAD { Lamp_Module }"));
    EXPECT_NE(std::string::npos, text.find("fault_state_signals = InternalError;"));
}

}  // namespace

// What the schedule table parser stores: entry kinds, payload values and
// delays, which the message fixtures cannot show.

#include "ReaderMessages.h"
#include "ldf/ScheduleCommands.h"
#include "model/LinNetwork.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Strings = std::vector<std::string>;

// The tables of a Schedule_tables section holding the given body.
std::unique_ptr<LinNetwork> LoadTables(const std::string& body)
{
    return LinNetwork::LoadFromText("Schedule_tables {\n" + body + "}\n");
}

// The only table of a load; fails the test when there is not exactly one.
const ScheduleTable& OnlyTable(const LinNetwork& net)
{
    EXPECT_EQ(1u, net.scheduleTables.size());
    static const ScheduleTable none;
    return net.scheduleTables.empty() ? none : *net.scheduleTables[0];
}

TEST(ScheduleTablesSection, ReadsFrameSlotsAndTheCommandsWithoutBlock)
{
    auto net = LoadTables("T1 { F1 delay 10 ms; MasterReq delay 20 ms; SlaveResp delay 30 ms;\n"
                          "  F2\n delay\n 0x28 ms; F3 delay 12.5 ms; F4 delay10ms; }\n");
    EXPECT_TRUE(LineMessages(*net).empty());
    const ScheduleTable& table = OnlyTable(*net);
    EXPECT_EQ("T1", table.name);
    ASSERT_EQ(6u, table.entries.size());
    const int kinds[] = {kFrameSlot, kMasterReq, kSlaveResp, kFrameSlot, kFrameSlot, kFrameSlot};
    const double delays[] = {10, 20, 30, 40, 12.5, 10};
    const char* frames[] = {"F1", nullptr, nullptr, "F2", "F3", "F4"};
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        SCOPED_TRACE(i);
        const ScheduleEntry& entry = *table.entries[i];
        EXPECT_EQ(kinds[i], entry.kind);
        EXPECT_EQ(delays[i], entry.delayMs);
        if (frames[i]) {
            ASSERT_NE(nullptr, entry.FrameSlot());
            EXPECT_EQ(frames[i], entry.FrameSlot()->frameName);
        }
    }
}

TEST(ScheduleTablesSection, ReadsEveryCommandOfTheTableAsItsKind)
{
    std::string body = "T1 {\n";
    for (const ScheduleCommandSpec& command : kScheduleCommands) {
        Strings values;
        for (int i = 1; i <= command.argumentCount; ++i)
            values.push_back(std::to_string(i));
        body += std::string(" ") + command.keyword;
        for (std::size_t i = 0; i < values.size(); ++i)
            body += (i == 0 ? " { " : ", ") + values[i] + (i + 1 == values.size() ? " }" : "");
        body += " delay 10 ms;\n";
    }
    auto net = LoadTables(body + "}\n");
    EXPECT_TRUE(LineMessages(*net).empty());
    const ScheduleTable& table = OnlyTable(*net);
    ASSERT_EQ(std::size(kScheduleCommands), table.entries.size());
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        EXPECT_EQ(kScheduleCommands[i].kind, table.entries[i]->kind) << kScheduleCommands[i].keyword;
        EXPECT_EQ(&kScheduleCommands[i], FindScheduleCommand(table.entries[i]->kind));
    }
    EXPECT_EQ(nullptr, FindScheduleCommand(kFrameSlot));
}

TEST(ScheduleTablesSection, ReadsTheValuesOfCommandBlocks)
{
    auto net = LoadTables("T1 {\n"
                          " AssignFrameId { Slave1, F1 } delay 10 ms;\n"
                          " UnassignFrameId{Slave2,F2}delay20ms;\n"
                          " AssignNAD { 0x7F, 2, 0x1E, 1 } delay 30 ms;\n"
                          " FreeFormat {0xB2,0,1,2,3,4,5,0xFF} delay 40 ms;\n"
                          "}\n");
    EXPECT_TRUE(LineMessages(*net).empty());
    const ScheduleTable& table = OnlyTable(*net);
    ASSERT_EQ(4u, table.entries.size());

    const ScheduleEntry& assign = *table.entries[0];
    EXPECT_EQ(kAssignFrameId, assign.kind);
    EXPECT_EQ(10, assign.delayMs);
    ASSERT_NE(nullptr, assign.FrameId());
    EXPECT_EQ("Slave1", assign.FrameId()->nodeName);
    EXPECT_EQ("F1", assign.FrameId()->frameName);

    const ScheduleEntry& unassign = *table.entries[1];
    EXPECT_EQ(kUnassignFrameId, unassign.kind);
    EXPECT_EQ(20, unassign.delayMs);
    ASSERT_NE(nullptr, unassign.FrameId());
    EXPECT_EQ("Slave2", unassign.FrameId()->nodeName);
    EXPECT_EQ("F2", unassign.FrameId()->frameName);

    const AssignNadCommand* nad = table.entries[2]->AssignNad();
    ASSERT_NE(nullptr, nad);
    EXPECT_EQ(30, table.entries[2]->delayMs);
    EXPECT_EQ(127, nad->initialNad);
    EXPECT_EQ(2, nad->newNad);
    EXPECT_EQ(30, nad->supplierId);
    EXPECT_EQ(1, nad->functionId);

    const FreeFormatCommand* free = table.entries[3]->FreeFormat();
    ASSERT_NE(nullptr, free);
    EXPECT_EQ((std::array<int, 8>{178, 0, 1, 2, 3, 4, 5, 255}), free->data);
}

TEST(ScheduleTablesSection, AnUnreadableValueBeforeTheLastIsKeptEmpty)
{
    auto net = LoadTables("T1 {\n AssignFrameId { , F1 } delay 10 ms;\n AssignNAD { 1, 2 2, 3, 4 } delay 10 ms;\n}\n");
    const ScheduleTable& table = OnlyTable(*net);
    ASSERT_EQ(2u, table.entries.size());
    ASSERT_NE(nullptr, table.entries[0]->FrameId());
    EXPECT_EQ("", table.entries[0]->FrameId()->nodeName);
    EXPECT_EQ("F1", table.entries[0]->FrameId()->frameName);
    ASSERT_NE(nullptr, table.entries[1]->AssignNad());
    EXPECT_EQ(0, table.entries[1]->AssignNad()->newNad);
    EXPECT_EQ(3, table.entries[1]->AssignNad()->supplierId);
    const Strings expected = {"Z: 3 No argument recognized", "Z: 4 Key-Word / Parameter wrong (spaces)",
                              "Z: 4 No argument recognized"};
    EXPECT_EQ(expected, LineMessages(*net));
}

TEST(ScheduleTablesSection, CommandsThatCannotBeReadAreLeftOut)
{
    struct Row {
        const char* slot;
        const char* message;
    };
    const Row rows[] = {
        {"MasterReq delay 10;", "ms keyword not found"},
        {"SlaveResp wait 10 ms;", "Delay keyword not found"},
        {"MasterReq delay ms;", "No delay parameter found"},
        {"MasterReq delayms;", "No delay parameter found"},
        {"MasterReq;", "No line end recognized"},
        {"AssignFrameId { A, F } delay 10 ms", "No line end recognized"},
        {"AssignNAD { 1, 2, 3, 4 } delay 10 s;", "ms keyword not found"},
        {"FreeFormat { 1, 2, 3, 4, 5, 6, 7, 8 } 10 ms;", "Delay keyword not found"},
        {"AssignNAD { 1 } delay 10 ms;", "Number of arguments false"},  // a LIN 2.0 file gives four numbers
        {"AssignFrameId { A } delay 10 ms;", "Number of arguments false"},
        {"FreeFormat { 1, 2 } delay 10 ms;", "No line end recognized"},
        {"UnassignFrameId { A, F, G } delay 10 ms;", "No line end recognized"},
        {"AssignNAD { 1, 2, 3, } delay 10 ms;", "No line end recognized"},
        {"AssignFrameId delay 10 ms;", "Assignment false"},
        {"DataDump { A } delay 10 ms;", "Number of arguments false"},
        {"AssignFrameIdRange { A, 0, 1 } delay 10 ms;", "No line end recognized"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.slot);
        auto net = LoadTables(std::string("T1 {\n") + row.slot + "\n}\n");
        // What is left of a broken command may still read as a frame slot.
        for (const auto& table : net->scheduleTables)
            for (const auto& entry : table->entries)
                EXPECT_EQ(kFrameSlot, entry->kind);
        ASSERT_FALSE(LineMessages(*net).empty());
        EXPECT_EQ(std::string("Z: 3 ") + row.message, LineMessages(*net).front());
    }
}

// Each such slot is kept as written, in its place before F2.
TEST(ScheduleTablesSection, FrameSlotsWhoseDelayCannotBeReadAreKeptAsWritten)
{
    auto net = LoadTables("T1 {\n F1 delay ms;\n F1 delay 10 m s;\n F1 delay 10;\n F2 delay 20 ms;\n}\n");
    const ScheduleTable& table = OnlyTable(*net);
    ASSERT_EQ(1u, table.entries.size());
    EXPECT_EQ("F2", table.entries[0]->FrameSlot()->frameName);
    ASSERT_EQ(3u, table.unread.size());
    EXPECT_EQ("F1 delay 10 m s;", table.unread[1].text);
    EXPECT_EQ(4, table.unread[1].line);
    EXPECT_EQ(0u, table.unread[2].position);
    const Strings expected = {"Z: 3 Delay in ms (xxxx ms) not found",
                              "Z: 3 Warning: statement not read, kept as written: F1 delay ms;",
                              "Z: 4 Key-Word / Parameter wrong (spaces)",
                              "Z: 4 Key-Word / Parameter wrong (spaces)",
                              "Z: 4 Warning: statement not read, kept as written: F1 delay 10 m s;",
                              "Z: 5 Delay in ms (xxxx ms) not found",
                              "Z: 5 Warning: statement not read, kept as written: F1 delay 10;"};
    EXPECT_EQ(expected, LineMessages(*net));
}

// The pending text is tested after every character, so a command keyword acts
// as soon as it is complete and "delay" anywhere in a name ends the name.
TEST(ScheduleTablesSection, KeywordsActAsSoonAsTheirLastLetterIsRead)
{
    auto net = LoadTables("T1 {\n MasterReqFrame delay 10 ms;\n Xdelayed delay 10 ms;\n}\n");
    const ScheduleTable& table = OnlyTable(*net);
    ASSERT_EQ(1u, table.entries.size());
    EXPECT_EQ("X", table.entries[0]->FrameSlot()->frameName);
    EXPECT_EQ(0, table.entries[0]->delayMs);
    EXPECT_EQ((Strings{"Z: 3 Delay keyword not found",
                       "Z: 3 Warning: statement not read, kept as written: MasterReqFrame delay 10 ms;"}),
              LineMessages(*net));
}

// A broken delay costs its own slot only; the next one is read as written.
TEST(ScheduleTablesSection, ABrokenDelayCostsItsSlotOnly)
{
    auto net = LoadTables("T1 {\n F1 de lay 1;\n F2 delay 20 ms;\n}\n");
    const ScheduleTable& table = OnlyTable(*net);
    ASSERT_EQ(1u, table.entries.size());
    EXPECT_EQ("F2", table.entries[0]->FrameSlot()->frameName);
    EXPECT_EQ(20, table.entries[0]->delayMs);
    ASSERT_EQ(1u, table.unread.size());
    EXPECT_EQ("F1 de lay 1;", table.unread[0].text);
    const Strings expected = {"Z: 3 Key-Word / Parameter wrong (spaces)", "Z: 3 Delay in ms (xxxx ms) not found",
                              "Z: 3 Warning: statement not read, kept as written: F1 de lay 1;"};
    EXPECT_EQ(expected, LineMessages(*net));
}

TEST(ScheduleTablesSection, KeepsTheFirstOfTwoTablesWithOneNameAcrossSections)
{
    auto net = LinNetwork::LoadFromText("Schedule_tables { T1 { F1 delay 10 ms; } }\n"
                                        "Schedule_tables {\n T1 { F2 delay 10 ms; }\n T2 { }\n}\n");
    ASSERT_EQ(2u, net->scheduleTables.size());
    EXPECT_EQ("F1", net->scheduleTables[0]->entries[0]->FrameSlot()->frameName);
    EXPECT_EQ("T2", net->scheduleTables[1]->name);
    EXPECT_EQ((Strings{"Z: 3 Node obviously doubled"}), LineMessages(*net));
}

TEST(ScheduleTablesSection, EveryCutOfTheTextLoads)
{
    LoadEveryPrefix("Schedule_tables {\n T1 { F1 delay 10 ms; MasterReq delay 10 ms; F2 de lay 5 ms; }\n"
                    " T2 { AssignFrameId { S1, F1 } delay 10 ms; UnassignFrameId{S1,F1}delay10ms;\n"
                    "  AssignNAD { 1, , 3, 4 } delay 10 ms; FreeFormat { 1, 2, 3, 4, 5, 6, 7, 8 } delay 10 ms;\n"
                    "  AssignNAD { 1 } delay 10 ms; AssignFrameId delay 10 ms; }\n"
                    " { } T 3 { }\n}\n");
}

}  // namespace

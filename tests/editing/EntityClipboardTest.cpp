#include "editing/EntityClipboard.h"
#include "NetworkFixtures.h"
#include "editing/ClipboardCommands.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const std::vector<std::string>& names) { return names; }

template <typename Record> std::vector<std::string> NamesOf(const OwnedList<Record>& list)
{
    std::vector<std::string> names;
    for (const auto& record : list)
        names.push_back(RecordName(*record));
    return names;
}

// A second file as a text editor would hold it.
const char* const kOtherFile = R"(LIN_description_file;
LIN_protocol_version = "2.1";
LIN_language_version = "2.1";
LIN_speed = 19.2 kbps;
Nodes {
    Master: Gateway, 5 ms, 0.1 ms;
    Slaves: Seat;
}
Signals {
    SeatPos: 8, 0, Seat, Gateway;
}
Frames {
    SeatFrame: 0x11, Seat, 1 {
        SeatPos, 0;
    }
}
Node_attributes {
    Seat {
        LIN_protocol = "2.1";
        configured_NAD = 0x10;
    }
}
Schedule_tables {
    Run {
        SeatFrame delay 10 ms;
    }
}
)";

TEST(EntityClipboard, AFrameGoesToAnotherFileWithItsSignalsAndTheirEncoding)
{
    const auto source = MakeRichNetwork();
    const std::string text = CopyEntities(*source, {{EntityKind::Frame, 0}});
    // The clipboard holds an LDF file of its own that reads without a message.
    const auto asFile = LinNetwork::LoadFromText(text);
    ASSERT_TRUE(asFile);
    EXPECT_TRUE(asFile->messages.Empty()) << text;
    EXPECT_EQ(Names({"MotorCmd"}), NamesOf(asFile->frames));

    auto other = LinNetwork::LoadFromText(kOtherFile);
    ASSERT_TRUE(other);
    const PasteOutcome pasted = PasteEntities(*other, text);
    ASSERT_TRUE(pasted.changed);
    EXPECT_EQ(Names({"SeatFrame", "MotorCmd"}), NamesOf(other->frames));
    EXPECT_EQ(Names({"SeatPos", "MotorSpeed"}), NamesOf(other->signals));
    EXPECT_EQ(Names({"Speed"}), NamesOf(other->encodingTypes));
    EXPECT_EQ("Speed", other->EncodingOfSignal("MotorSpeed"));
    const LinFrame* frame = other->FindFrame("MotorCmd");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(0x10, frame->frameId);
    // The copied file's master is this file's master.
    EXPECT_EQ("Gateway", frame->publisher);
    EXPECT_EQ("Gateway", other->FindSignal("MotorSpeed")->publisher);
    ASSERT_TRUE(pasted.shown);
    EXPECT_EQ(EntityKind::Frame, pasted.shown->kind);
    EXPECT_EQ(1, pasted.shown->index);
}

TEST(EntityClipboard, LdfTextFromATextEditorIsAddedWithNamesMadeUnique)
{
    auto network = MakeRichNetwork();
    const std::string typed = R"(LIN_description_file;
LIN_protocol_version = "2.0";
LIN_language_version = "2.0";
LIN_speed = 19.2 kbps;
Nodes { Master: Master, 10 ms, 0.1 ms; Slaves: Motor; }
Signals { MotorSpeed: 4, 1, Motor, Master; Extra: 2, 0, Motor, Master; }
Frames { MotorCmd: 0x15, Motor, 1 { MotorSpeed, 0; Extra, 4; } }
)";
    ASSERT_TRUE(PasteEntities(*network, typed).changed);
    // The suffix Add gives: the name followed by the first free number.
    EXPECT_EQ(Names({"MotorCmd", "MotorState", "DoorState", "MotorCmd0"}), NamesOf(network->frames));
    EXPECT_EQ(Names({"MotorSpeed", "MotorError", "LightLevel", "DoorOpen", "MotorSpeed0", "Extra"}),
              NamesOf(network->signals));
    // The placements follow the renamed signal.
    EXPECT_EQ(Names({"MotorSpeed0", "Extra"}), network->FindFrame("MotorCmd0")->signalNames);
    EXPECT_EQ(4, network->FindSignal("MotorSpeed0")->size);
}

TEST(EntityClipboard, CopyAndPasteBetweenDocumentsRoundTrips)
{
    // Every kind, copied out of one network into an empty one and back out
    // again, gives the same text.
    const auto source = MakeRichNetwork();
    const std::vector<EntityRef> all = {{EntityKind::ScheduleTable, 0}, {EntityKind::EncodingType, 2}};
    const std::string text = CopyEntities(*source, all);
    auto target = LinNetwork::CreateDefault();
    ASSERT_TRUE(PasteEntities(*target, text).changed);
    EXPECT_EQ(Names({"Normal"}), NamesOf(target->scheduleTables));
    EXPECT_EQ(Names({"MotorCmd", "MotorState", "DoorState"}), NamesOf(target->frames));
    EXPECT_EQ(Names({"EventAll"}), NamesOf(target->eventTriggeredFrames));
    EXPECT_EQ(Names({"SpoMotor"}), NamesOf(target->sporadicFrames));
    EXPECT_EQ(Names({"Speed", "Mixed", "Text"}), NamesOf(target->encodingTypes));

    std::vector<EntityRef> again = {{EntityKind::ScheduleTable, 0}};
    for (int i = 0; i < static_cast<int>(target->encodingTypes.size()); ++i)
        again.push_back({EntityKind::EncodingType, i});
    EXPECT_EQ(text, CopyEntities(*target, again));
}

TEST(EntityClipboard, DuplicateAddsACopyBesideTheOriginal)
{
    auto n = MakeRichNetwork();
    // A frame takes copies of its signals; they join their encoding type.
    ASSERT_TRUE(DuplicateEntities(*n, {{EntityKind::Frame, 0}}).changed);
    EXPECT_EQ("MotorCmd0", n->frames.back()->name);
    EXPECT_EQ(Names({"MotorSpeed0"}), n->frames.back()->signalNames);
    EXPECT_EQ("Speed", n->EncodingOfSignal("MotorSpeed0"));
    EXPECT_EQ(3u, n->encodingTypes.size());

    // An event-triggered frame and a schedule table name the frames there are.
    const std::size_t frames = n->frames.size();
    ASSERT_TRUE(DuplicateEntities(*n, {{EntityKind::EventTriggeredFrame, 0}}).changed);
    EXPECT_EQ("EventAll0", n->eventTriggeredFrames.back()->name);
    EXPECT_EQ(Names({"MotorState", "DoorState"}), n->eventTriggeredFrames.back()->frameNames);
    ASSERT_TRUE(DuplicateEntities(*n, {{EntityKind::SporadicFrame, 0}}).changed);
    EXPECT_EQ("SpoMotor0", n->sporadicFrames.back()->name);
    // A frame the table names is the network's even when it was copied too:
    // the text cannot tell the two apart.
    ASSERT_TRUE(DuplicateEntities(*n, {{EntityKind::ScheduleTable, 0}, {EntityKind::SporadicFrame, 0}}).changed);
    EXPECT_EQ("Normal0", n->scheduleTables.back()->name);
    EXPECT_EQ(2u, n->sporadicFrames.size());
    EXPECT_EQ(frames, n->frames.size());

    ASSERT_TRUE(DuplicateEntities(*n, {{EntityKind::Signal, 1}, {EntityKind::EncodingType, 0}}).changed);
    EXPECT_EQ("MotorError0", n->signals.back()->name);
    EXPECT_EQ("Speed0", n->encodingTypes.back()->name);

    // Kinds without Copy change nothing.
    EXPECT_FALSE(DuplicateEntities(*n, {{EntityKind::Slave, 0}}).changed);
}

TEST(EntityClipboard, ScheduleEntriesPasteIntoTheChosenTable)
{
    auto n = MakeRichNetwork();
    ASSERT_TRUE(DuplicateScheduleEntries(*n, 0, {0, 2}));
    std::vector<std::string> slots;
    for (const auto& entry : n->scheduleTables[0]->entries)
        slots.push_back(entry->FrameSlot() ? entry->FrameSlot()->frameName : "?");
    EXPECT_EQ(Names({"MotorCmd", "MotorState", "EventAll", "MotorCmd", "EventAll", "SpoMotor"}), slots);
    EXPECT_EQ(2u, n->scheduleTables.size());

    // Entries of another table go after the chosen entry, commands too.
    const std::string diag = CopyScheduleEntries(*n, 1, {4});
    ASSERT_TRUE(PasteEntities(*n, diag, {0, 0}).changed);
    ASSERT_NE(n->scheduleTables[0]->entries[1]->AssignNad(), nullptr);
    EXPECT_EQ(5, n->scheduleTables[0]->entries[1]->AssignNad()->newNad);
    // Without a table the copied table is added as one.
    ASSERT_TRUE(PasteEntities(*n, diag).changed);
    EXPECT_EQ("Diag0", n->scheduleTables.back()->name);
    EXPECT_EQ(1u, n->scheduleTables.back()->entries.size());
}

TEST(EntityClipboard, TextWithoutEntitiesChangesNothing)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    for (const char* text : {"", "hello world", "LIN_description_file; Nodes { Master: M, 1 ms, 0 ms; }"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(PasteEntities(*n, text).changed);
        EXPECT_EQ(before, DumpNetwork(*n));
    }
    EXPECT_EQ("", CopyEntities(*n, {{EntityKind::Slave, 0}, {EntityKind::Frame, 99}}));
}

TEST(ClipboardCommands, ListRowsComeBeforeTheTreeItem)
{
    auto n = MakeRichNetwork();
    using namespace outline_text;
    // Rows 0 and 1 of the frames list are the diagnostic frames, which are not copied.
    const ClipboardSelection frames = SelectionToCopy(ItemAt(*n, Frames), {0, 2, 4});
    ASSERT_EQ(2u, frames.entities.size());
    EXPECT_EQ(0, frames.entities[0].index);
    EXPECT_EQ(2, frames.entities[1].index);
    const TreeItemRef signal = ItemShowing(*n, {EntityKind::Signal, 1});
    ASSERT_EQ(1u, SelectionToCopy(signal, {}).entities.size());
    EXPECT_TRUE(SelectionToCopy(ItemAt(*n, Nodes, {1}), {}).Empty());

    // The rows of a schedule table are its entries, and pastes go after the last.
    const TreeItemRef diag = ItemAt(*n, Schedules, {1});
    const ClipboardSelection entries = SelectionToCopy(diag, {1, 0});
    EXPECT_EQ(1, entries.scheduleTable);
    const PasteTarget target = PasteTargetFor(diag, {1, 0});
    EXPECT_EQ(1, target.scheduleTable);
    EXPECT_EQ(1, target.afterEntry);
    EXPECT_EQ(-1, PasteTargetFor(ItemAt(*n, Schedules), {0}).scheduleTable);
    ASSERT_TRUE(DuplicateSelection(*n, entries).changed);
    EXPECT_EQ(kMasterReq, n->scheduleTables[1]->entries[2]->kind);
    EXPECT_EQ(kSlaveResp, n->scheduleTables[1]->entries[3]->kind);
}

TEST(ClipboardCommands, DeleteTakesEverySelectedRow)
{
    auto n = MakeRichNetwork();
    using namespace outline_text;
    EXPECT_TRUE(DeleteListRows(*n, ItemAt(*n, Signals), {0, 3, 0}));
    EXPECT_EQ(Names({"MotorError", "LightLevel"}), NamesOf(n->signals));
    EXPECT_FALSE(DeleteListRows(*n, ItemAt(*n, Frames), {0, 1}));
}

}  // namespace

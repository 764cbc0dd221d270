#include "NetworkFixtures.h"
#include "TestFiles.h"
#include "editing/FrameForms.h"
#include "editing/FrameGroupForms.h"
#include "editing/ScheduleForms.h"
#include "editing/SignalForms.h"
#include "validation/TreeOutline.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

constexpr int kMotorSpeed = 0, kMotorError = 1, kLightLevel = 2;
constexpr int kMotorCmd = 0, kMotorState = 1;
constexpr int kNormal = 0, kDiag = 1;
constexpr int kAssignNadEntry = 4, kFreeFormatEntry = 5;

TEST(SignalForm, ByteArrayKeepsOneValuePerByteAndRenameFollowsReferences)
{
    auto n = MakeRichNetwork();
    SignalForm form = SignalForm::Read(*n, kLightLevel);
    EXPECT_TRUE(form.byteArray);
    EXPECT_EQ(form.initValues, (Strings{"1", "2"}));
    EXPECT_EQ(form.encoding, "Mixed");

    form.name = "MotorError";  // taken: the next free name
    form.initValues = {"9", "8", "7", "6", "-5"};
    form.encoding = "Speed";
    form.Commit(*n, kLightLevel);
    const LinSignal& signal = *n->signals[kLightLevel];
    EXPECT_EQ(signal.name, "MotorError0");
    EXPECT_EQ(signal.initValues, (std::vector<std::uint16_t>{9, 8}));
    EXPECT_EQ(n->frames[kMotorState]->signalNames[1], "MotorError0");
    EXPECT_EQ(n->signalRepresentations[0]->signalNames, (Strings{"MotorSpeed", "MotorError0"}));
    EXPECT_EQ(n->signalRepresentations[1]->signalNames, Strings{"DoorOpen"});

    form = SignalForm::Read(*n, kMotorSpeed);
    form.byteArray = false;
    form.length = "";
    form.initValues = SignalForm::InitAfterAdd(form.initValues, -5, false);
    EXPECT_EQ(form.initValues, Strings{"-5"});
    form.encoding = "";
    form.Commit(*n, kMotorSpeed);
    EXPECT_EQ(n->signals[kMotorSpeed]->size, 0);
    EXPECT_EQ(n->signals[kMotorSpeed]->initValues, std::vector<std::uint16_t>{65531});
    EXPECT_EQ(n->signalRepresentations[0]->signalNames, Strings{"MotorError0"});

    EXPECT_EQ(SignalForm::LengthChoices(true).back(), "64");
    EXPECT_EQ(SignalForm::LengthChoices(false).size(), 16u);
    EXPECT_EQ(SignalForm::NodeChoices(*n), (Strings{"Master", "Motor", "Light", "Door"}));
}

TEST(SignalRepForm, CheckedSignalsReplaceTheListOfThisRepresentationOnly)
{
    auto n = MakeRichNetwork();
    SignalRepForm form = SignalRepForm::Read(*n, 2);
    form.signalNames = {"MotorSpeed", "DoorOpen"};
    form.Commit(*n, 2);
    EXPECT_EQ(n->signalRepresentations[2]->signalNames, form.signalNames);
    EXPECT_EQ(n->signalRepresentations[0]->signalNames, Strings{"MotorSpeed"});
}

TEST(FrameForm, OffersFreeIdsSizesByIdAndPlacesSignals)
{
    auto n = MakeRichNetwork();
    const Strings ids = FrameForm::IdChoices(*n, kMotorCmd);
    EXPECT_NE(std::find(ids.begin(), ids.end(), "16"), ids.end());  // its own
    EXPECT_EQ(std::find(ids.begin(), ids.end(), "32"), ids.end());  // MotorState's
    EXPECT_EQ(std::find(ids.begin(), ids.end(), "58"), ids.end());  // EventAll's
    n->dynamicFrameIds = {32};
    const Strings withDynamic = FrameForm::IdChoices(*n, kMotorCmd);
    EXPECT_NE(std::find(withDynamic.begin(), withDynamic.end(), "32"), withDynamic.end());
    EXPECT_EQ(FrameForm::SizeForId(40), "4");
    EXPECT_EQ(FrameForm::SizeForId(31), "2");
    EXPECT_EQ(FrameForm::SizeForId(48), "8");

    for (const char* name : {"A", "B", "C"})
        n->signals.Append(std::make_unique<LinSignal>(name)).publisher = "Door";
    n->signals[4]->size = 3;
    n->signals[5]->size = 8;
    n->signals[6]->size = 1;
    FrameForm form = FrameForm::Read(*n, 2);
    ASSERT_EQ(form.signals.size(), 4u);  // DoorOpen, A, B, C
    EXPECT_TRUE(form.signals[0].checked);
    EXPECT_EQ(form.signals[0].offset, 9);
    form.signals[0].checked = false;
    for (std::size_t i = 1; i < 4; ++i)
        form.signals[i].checked = true;
    form.AutoOffset(*n);
    EXPECT_EQ(form.signals[0].offset, 9);
    EXPECT_EQ(form.signals[3].offset, 11);

    form.name = "SpoMotor";
    form.id = "";
    form.Commit(*n, 2);
    const LinFrame& frame = *n->frames[2];
    EXPECT_EQ(frame.name, "SpoMotor0");
    EXPECT_EQ(frame.frameId, 0);
    EXPECT_EQ(frame.signalNames, (Strings{"A", "B", "C"}));
    EXPECT_EQ(frame.offsets, (std::vector<std::uint32_t>{0, 3, 11}));
    EXPECT_EQ(n->sporadicFrames[0]->frameNames[1], "SpoMotor0");
}

TEST(FrameOffsetForm, ReorderPushesOnlyTheSignalsAfterTheMovedOne)
{
    auto n = MakeRichNetwork();
    LinFrame& frame = *n->frames[kMotorCmd];
    frame.length = 4;
    frame.signalNames = {"MotorSpeed", "MotorError", "MotorSpeed"};
    n->signals[kMotorError]->size = 8;  // both 8 bits
    frame.offsets = {0, 8, 16};
    const LinFrame stored = frame;

    FrameOffsetForm form = FrameOffsetForm::Read(*n, kMotorCmd, 2);
    EXPECT_TRUE(form.reorder);
    EXPECT_EQ(form.offset, "16");
    EXPECT_EQ(FrameOffsetForm::OffsetChoices(*n, kMotorCmd).back(), "31");
    form.offset = "4";
    form.Commit(*n, kMotorCmd, 2);
    EXPECT_EQ(frame.signalNames, (Strings{"MotorSpeed", "MotorSpeed", "MotorError"}));
    EXPECT_EQ(frame.offsets, (std::vector<std::uint32_t>{0, 4, 12}));

    frame = stored;
    form.reorder = false;
    form.Commit(*n, kMotorCmd, 2);
    EXPECT_EQ(frame.signalNames, stored.signalNames);
    EXPECT_EQ(frame.offsets, (std::vector<std::uint32_t>{0, 8, 4}));
}

TEST(ScheduleTableForm, AddsToAWorkingCopyThatOnlyTheCommitStores)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    ScheduleTableForm form = ScheduleTableForm::Read(*n, kNormal);
    EXPECT_EQ(form.EntryTexts(), (Strings{"MotorCmd", "MotorState", "EventAll", "SpoMotor"}));
    const ChoiceMenu choices = ScheduleTableForm::AddChoices(*n);
    EXPECT_EQ(choices.title, "Add Frame");
    ASSERT_EQ(choices.groups.size(), 4u);
    EXPECT_EQ(choices.groups[0].entries,
              (Strings{"MasterReq", "SlaveResp", "AssignFrameId", "UnassignFrameId", "AssignNAD", "FreeFormat"}));
    EXPECT_EQ(choices.groups[2].heading, "E. T. Frames");

    form.Remove(0);
    form.Remove(0);
    ASSERT_TRUE(form.AddChosen(*n, 5));
    ASSERT_TRUE(form.AddChosen(*n, choices.FirstEntryOf(3)));
    EXPECT_FALSE(form.AddChosen(*n, choices.FirstEntryOf(3) + 1));
    EXPECT_EQ(DumpNetwork(*n), before);  // a cancelled sheet leaves the table as it was

    form.name = "Diag";
    form.Commit(*n, kNormal);
    const ScheduleTable& table = *n->scheduleTables[kNormal];
    EXPECT_EQ(table.name, "Diag0");
    ASSERT_EQ(table.entries.size(), 4u);
    EXPECT_EQ(EntryText(*table.entries[3]), "SpoMotor");
    ASSERT_TRUE(table.entries[2]->FreeFormat());
    EXPECT_EQ(table.entries[2]->FreeFormat()->data, (std::array<int, 8>{255, 255, 255, 255, 255, 255, 255, 255}));
    EXPECT_EQ(table.entries[2]->delayMs, 0);
}

TEST(ScheduleEntryForm, DelayIsAMultipleOfTheTimeBase)
{
    auto n = MakeRichNetwork();
    const struct {
        int timeBase;
        const char* typed;
        int stored;
    } cases[] = {{10, "25", 10}, {10, "30", 30}, {10, "0", 10}, {10, "abc", 10}, {0, "20", 20}, {0, "25", 10}};
    for (const auto& c : cases) {
        n->timeBaseMs = c.timeBase;
        ScheduleEntryForm form = ScheduleEntryForm::Read(*n, kNormal, 0);
        form.time = c.typed;
        form.Commit(*n, kNormal, 0);
        EXPECT_EQ(n->scheduleTables[kNormal]->entries[0]->delayMs, c.stored) << c.timeBase << " " << c.typed;
    }

    // An unchanged delay reads back as it was shown.
    n->timeBaseMs = 10;
    n->scheduleTables[kNormal]->entries[0]->delayMs = 20;
    ScheduleEntryForm unchanged = ScheduleEntryForm::Read(*n, kNormal, 0);
    EXPECT_EQ(unchanged.time, "20");
    unchanged.Commit(*n, kNormal, 0);
    EXPECT_EQ(n->scheduleTables[kNormal]->entries[0]->delayMs, 20);

    EXPECT_EQ(ScheduleEntryForm::SpinTime(*n, 9990, 1), 10000);
    EXPECT_EQ(ScheduleEntryForm::SpinTime(*n, 10, -1), 10);
    EXPECT_EQ(ScheduleEntryForm::SpinTime(*n, 25, 1), 30);
    EXPECT_EQ(ScheduleEntryForm::SpinTime(*n, 2147483647, 1), 10000);
    n->timeBaseMs = 0;
    EXPECT_EQ(ScheduleEntryForm::SpinTime(*n, 0, 1), 10);
    EXPECT_EQ(n->timeBaseMs, 10);
}

std::unique_ptr<LinNetwork> LoadFixture(const std::string& name)
{
    return LinNetwork::LoadFromText(ReadFileBytes(TestDataDir() + "/" + name));
}

constexpr int kConfiguration = 0, kFractions = 1;

TEST(ScheduleEntryForm, DelaysKeepTheirFractionUnlessRetyped)
{
    auto n = LoadFixture("lin21-schedules.ldf");  // time base 5 ms
    const ScheduleEntry& entry = *n->scheduleTables[kFractions]->entries[1];
    ScheduleEntryForm form = ScheduleEntryForm::Read(*n, kFractions, 1);
    EXPECT_EQ(form.time, "12.5");
    form.Commit(*n, kFractions, 1);
    EXPECT_EQ(entry.delayMs, 12.5);
    EXPECT_EQ(ScheduleEntryForm::SpinTimeText(*n, "12.5", 1), "15");
    EXPECT_EQ(ScheduleEntryForm::SpinTimeText(*n, "12.5", -1), "5");
    EXPECT_EQ(ScheduleEntryForm::SpinTimeText(*n, "1e", 1), std::nullopt);
    for (const auto& [typed, stored] : {std::pair{"15.0", 15.0}, {"12.50", 5.0}, {"-10", 5.0}, {"1e1", 10.0}}) {
        form.time = typed;
        form.Commit(*n, kFractions, 1);
        EXPECT_EQ(entry.delayMs, stored) << typed;
    }
}

// The LIN 2.1 commands of the fixture, each given a slave (empty: none
// chosen) and the texts of its number fields.
TEST(ScheduleEntryForm, Lin21CommandsTakeTheirSlaveAndNumbers)
{
    auto n = LoadFixture("lin21-schedules.ldf");
    const struct {
        int entry;
        const char* node;
        Strings values;
        const char* written;
    } cases[] = {
        {0, "RSM", {}, "AssignNAD { RSM }"},
        {2, "RSM", {"3", "", "0x41", "", ""}, "AssignFrameIdRange { RSM, 3, 255, 65, 255, 255 }"},
        {3, "", {"1", "", "", "", ""}, "AssignFrameIdRange { LSM, 1 }"},
        // Numbers outside a field's range are refused, never clamped: the
        // stored ones stay.
        {5, "RSM", {"0x7F", "40", "0", "", "1", "2"}, "ConditionalChangeNAD { 127, 1, 3, 1, 1, 2 }"},
        {6, "RSM", {"9", "", "3", "4", "300"}, "DataDump { RSM, 9, 2, 3, 4, 5 }"},
        {7, "Gone", {}, "SaveConfiguration { Gone }"},
    };
    for (const auto& c : cases) {
        ScheduleEntryForm form = ScheduleEntryForm::Read(*n, kConfiguration, c.entry);
        EXPECT_TRUE(form.ChoosesSlave() || form.kind == kConditionalChangeNad) << c.written;
        EXPECT_EQ(form.values.size(), ScheduleEntryForm::CommandValues(*n, form.kind).size() - (c.entry == 2 ? 4 : 0));
        form.node = c.node;
        form.values = c.values;
        form.Commit(*n, kConfiguration, c.entry);
        EXPECT_NE(n->BuildLdfText().find(std::string(c.written) + " delay 15 ms;"), std::string::npos) << c.written;
    }
    // The four-number AssignNAD keeps its own page and numbers.
    EXPECT_FALSE(ScheduleEntryForm::Read(*n, kConfiguration, 1).nadOfNode);
}

TEST(ScheduleTableForm, OffersTheLin21CommandsWhereTheVersionHasThem)
{
    auto n = LoadFixture("lin21-schedules.ldf");
    ScheduleTableForm form = ScheduleTableForm::Read(*n, kFractions);
    const Strings commands = ScheduleTableForm::AddChoices(*n).groups[0].entries;
    EXPECT_EQ(commands.size(), 10u);
    for (int choice = 4; choice < static_cast<int>(commands.size()); ++choice)
        ASSERT_TRUE(form.AddChosen(*n, choice)) << choice;
    form.Commit(*n, kFractions);
    const std::string text = n->BuildLdfText();
    for (const char* added :
         {"AssignNAD { LSM } delay 0 ms;", "FreeFormat { 255, 255, 255, 255, 255, 255, 255, 255 }",
          "AssignFrameIdRange { LSM, 0 } delay 0 ms;", "ConditionalChangeNAD { 127, 0, 1, 255, 0, 127 } delay 0 ms;",
          "DataDump { LSM, 255, 255, 255, 255, 255 } delay 0 ms;", "SaveConfiguration { LSM } delay 0 ms;"})
        EXPECT_NE(text.find(added), std::string::npos) << added;

    // LIN 2.0 texts take AssignFrameIdRange without PIDs.
    EXPECT_EQ(ScheduleEntryForm::CommandValues(*MakeRichNetwork(), kAssignFrameIdRange).size(), 1u);
}

// An unchanged sheet changes nothing: every event-triggered frame, schedule
// table and schedule entry read and committed as it is.
class UnchangedSheets : public testing::TestWithParam<std::string> {};

TEST_P(UnchangedSheets, KeepTheWrittenText)
{
    LoadResult loaded = LinNetwork::Load(GetParam());
    ASSERT_TRUE(loaded) << loaded.error;
    LinNetwork& n = *loaded.network;
    PrepareTreeOutline(n);
    const std::string before = n.BuildLdfText();
    for (int i = 0; i < static_cast<int>(n.eventTriggeredFrames.size()); ++i)
        EventTriggeredFrameForm::Read(n, i).Commit(n, i);
    for (int table = 0; table < static_cast<int>(n.scheduleTables.size()); ++table) {
        ScheduleTableForm::Read(n, table).Commit(n, table);
        for (int entry = 0; entry < static_cast<int>(n.scheduleTables[table]->entries.size()); ++entry)
            ScheduleEntryForm::Read(n, table, entry).Commit(n, table, entry);
    }
    EXPECT_EQ(FirstTextDifference(before, n.BuildLdfText()), "");
}

std::vector<std::string> UnchangedSheetFiles()
{
    std::vector<std::string> files = LdfFilesIn(CorpusDir());
    for (const char* fixture : {"/lin21-schedules.ldf", "/event-triggered-frames-collision.ldf"})
        files.push_back(TestDataDir() + fixture);
    return files;
}

INSTANTIATE_TEST_SUITE_P(CorpusAndFixtures, UnchangedSheets, testing::ValuesIn(UnchangedSheetFiles()));

TEST(ScheduleEntryForm, MinimumTimeNeedsAKnownLengthAndASpeed)
{
    auto n = MakeRichNetwork();
    n->speedKbps = 19.2f;
    n->jitterMs = 0.1f;
    EXPECT_EQ(ScheduleEntryForm::Read(*n, kDiag, 0).minimumTime, "Minimum time:   9.14 ms");
    EXPECT_EQ(ScheduleEntryForm::Read(*n, kNormal, 3).minimumTime, "Minimum time:   undefined");  // sporadic
    for (float speed : {0.0f, -1.0f}) {
        n->speedKbps = speed;
        EXPECT_EQ(ScheduleEntryForm::Read(*n, kDiag, 0).minimumTime, "Minimum time:   undefined");
    }
}

TEST(ScheduleEntryForm, CommandsTakeTheChosenNodeOrKeepTheirValues)
{
    auto n = MakeRichNetwork();
    ScheduleEntryForm form = ScheduleEntryForm::Read(*n, kDiag, kAssignNadEntry);
    EXPECT_EQ(form.node, "Motor");  // NAD 5, supplier 30, function 1
    EXPECT_EQ(form.oldNad, "127");

    // A node without attributes is given them at once, whatever follows.
    ASSERT_EQ(n->FindNodeAttributes("Door"), nullptr);
    form.ChooseNadNode(*n, "Door");
    ASSERT_NE(n->FindNodeAttributes("Door"), nullptr);
    EXPECT_EQ(form.newNad, "127");

    const AssignNadCommand& nad = *n->scheduleTables[kDiag]->entries[kAssignNadEntry]->AssignNad();
    form.node = "";
    form.Commit(*n, kDiag, kAssignNadEntry);
    EXPECT_EQ(nad.newNad, 5);
    form.ChooseNadNode(*n, "Light");
    form.oldNad = "";
    form.Commit(*n, kDiag, kAssignNadEntry);
    EXPECT_EQ(nad.initialNad, 127);
    EXPECT_EQ(nad.newNad, 6);
    EXPECT_EQ(nad.supplierId, 0x7FFF);

    form = ScheduleEntryForm::Read(*n, kDiag, kFreeFormatEntry);
    form.data[0] = "200";
    form.data[1] = "";
    form.Commit(*n, kDiag, kFreeFormatEntry);
    EXPECT_EQ(n->scheduleTables[kDiag]->entries[kFreeFormatEntry]->FreeFormat()->data[0], 200);
    EXPECT_EQ(n->scheduleTables[kDiag]->entries[kFreeFormatEntry]->FreeFormat()->data[1], 2);

    form = ScheduleEntryForm::Read(*n, kDiag, 2);
    EXPECT_EQ(ScheduleEntryForm::FrameChoices(*n, form.node), (Strings{"MotorCmd", "MotorState"}));
    form.node = "";
    form.Commit(*n, kDiag, 2);
    EXPECT_EQ(n->scheduleTables[kDiag]->entries[2]->FrameId()->frameName, "");
}

}  // namespace

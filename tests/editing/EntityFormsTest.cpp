#include "NetworkFixtures.h"
#include "editing/CompositionForms.h"
#include "editing/EncodingForms.h"
#include "editing/EntityEdits.h"
#include "editing/FrameGroupForms.h"
#include "editing/ScheduleForms.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(CompositionForms, NamesAreUniqueWithinOneConfigurationOnly)
{
    auto n = MakeRichNetwork();
    auto& other = n->compositeConfigurations.Append(std::make_unique<CompositeConfiguration>("Cfg2"));
    other.compositeNodes.Append(std::make_unique<CompositeNode>("CompX"));

    CompositeNodeForm form = CompositeNodeForm::Read(*n, 0, 1);
    form.name = "CompA";
    form.Commit(*n, 0, 1);
    EXPECT_EQ(n->compositeConfigurations[0]->compositeNodes[1]->name, "CompA0");

    form = CompositeNodeForm::Read(*n, 1, 0);
    form.name = "CompA";
    form.Commit(*n, 1, 0);
    EXPECT_EQ(other.compositeNodes[0]->name, "CompA");

    CompConfigForm config{"Cfg1"};
    config.Commit(*n, 1);
    EXPECT_EQ(other.name, "Cfg10");
    CompConfigForm{""}.Commit(*n, 1);
    EXPECT_EQ(other.name, "Cfg10");
}

TEST(CompositionForms, OffersTheSlavesAndDropsNodesThatAreNoLongerSlaves)
{
    auto n = MakeRichNetwork();
    CompositeNode& compA = *n->compositeConfigurations[0]->compositeNodes[0];
    compA.logicalNodes = {"Light", "Gone", "Motor"};
    CompositeNodeForm form = CompositeNodeForm::Read(*n, 0, 0);
    ASSERT_EQ(form.functionalNodes.size(), 3u);
    EXPECT_EQ(form.functionalNodes[2].slave, "Door");
    EXPECT_TRUE(form.functionalNodes[0].checked);
    EXPECT_TRUE(form.functionalNodes[1].checked);
    EXPECT_FALSE(form.functionalNodes[2].checked);
    form.functionalNodes[2].checked = true;
    form.Commit(*n, 0, 0);
    EXPECT_EQ(compA.logicalNodes, (Names{"Motor", "Light", "Door"}));  // slave order
    EXPECT_TRUE(CompositeNodeForm::Read(*n, 0, 2).name.empty());
}

TEST(EncodingForms, ValuesListInKindOrderAndDeleteByLineKind)
{
    auto n = MakeRichNetwork();
    n->encodingTypes[1]->AddLogicalValue(1, "On");
    const EncodingTypeForm mixed = EncodingTypeForm::Read(*n, 1);
    EXPECT_EQ(EncodingValueLines(mixed.values), (Names{"Logical value (0, \"Off\")", "Logical value (1, \"On\")",
                                                       "Physical value (1, 254, 1.25, 0.00, \"%\")", "bcd_value"}));
    EXPECT_EQ(EncodingValueLines(EncodingTypeForm::Read(*n, 0).values),
              Names{"Physical value (0, 255, 0.50, -10.00, \"rpm\")"});

    struct Case {
        int line;
        std::size_t logical, physical;
        int bcd;
    };
    for (const Case& c : {Case{0, 1, 1, 1}, Case{2, 2, 0, 1}, Case{3, 2, 1, 0}, Case{4, 2, 1, 1}, Case{-1, 2, 1, 1}}) {
        EncodingTypeForm form = mixed;
        form.DeleteLine(c.line);
        EXPECT_EQ(form.values.logicalValues.size(), c.logical) << c.line;
        EXPECT_EQ(form.values.physicalRanges.size(), c.physical) << c.line;
        EXPECT_EQ(form.values.bcdCount, c.bcd) << c.line;
    }
    EncodingTypeForm text = EncodingTypeForm::Read(*n, 2);
    text.AddValue(EncodingValueKind::Bcd);
    text.DeleteLine(2);
    EXPECT_EQ(EncodingValueLines(text.values), (Names{"bcd_value", "ascii_value"}));
}

TEST(EncodingForms, TheCopyIsWrittenOnlyOnCommitAndTheNameFollowsItsMentions)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    EncodingTypeForm form = EncodingTypeForm::Read(*n, 0);
    for (auto kind :
         {EncodingValueKind::Logical, EncodingValueKind::Physical, EncodingValueKind::Bcd, EncodingValueKind::Ascii})
        form.AddValue(kind);
    EXPECT_EQ(DumpNetwork(*n), before);  // what a cancelled sheet leaves

    form.name = "Mixed";
    form.Commit(*n, 0);
    const EncodingType& speed = *n->encodingTypes[0];
    EXPECT_EQ(speed.name, "Mixed0");
    EXPECT_EQ(EncodingValueLines(speed).size(), 5u);
    EXPECT_NE(n->FindRepresentation("Mixed0"), nullptr);
}

TEST(EncodingForms, ScaleAndOffsetAreStoredAsTypedAndKeptWhenUntouched)
{
    auto n = MakeRichNetwork();
    n->encodingTypes[1]->physicalRanges[0]->offset = 0.126;
    std::optional<EncodingValueForm> form = EncodingValueForm::Read(*n, 1, 1);
    ASSERT_TRUE(form && form->physical);
    EXPECT_EQ(form->scale, "1.25");
    EXPECT_EQ(form->offset, "0.126");
    form->Commit(*n, 1, 1);
    EXPECT_EQ(n->encodingTypes[1]->physicalRanges[0]->offset, 0.126);

    form->min = "7";
    form->scale = "0.0625";
    form->offset = "";
    form->text = "km/h";
    form->Commit(*n, 1, 1);
    const PhysicalRange& range = *n->encodingTypes[1]->physicalRanges[0];
    EXPECT_EQ(range.min, 7);
    EXPECT_EQ(range.max, 254);
    EXPECT_EQ(range.scale, 0.0625);
    EXPECT_EQ(range.offset, 0.0);
    EXPECT_EQ(range.text, "km/h");

    form = EncodingValueForm::Read(*n, 1, 0);
    ASSERT_TRUE(form && !form->physical);
    form->value = "3";
    form->text = "Low";
    form->Commit(*n, 1, 0);
    EXPECT_EQ(n->encodingTypes[1]->logicalValues[0]->value, 3);
    EXPECT_EQ(n->encodingTypes[1]->logicalValues[0]->text, "Low");
    EXPECT_FALSE(EncodingValueForm::Read(*n, 1, 2));  // bcd_value
}

TEST(FrameGroupForms, EventTriggeredFramesListEachFrameOnceAndKeepAnIdNotOnOffer)
{
    auto n = MakeRichNetwork();
    EventTriggeredFrame& eventAll = *n->eventTriggeredFrames[0];
    eventAll.frameNames = {"MotorState", "MotorState", "Gone", "DoorState"};
    EventTriggeredFrameForm form = EventTriggeredFrameForm::Read(*n, 0);
    EXPECT_EQ(form.frames, (Names{"MotorState", "DoorState"}));
    EXPECT_EQ(form.frameId, "58");
    form.frames.push_back("MotorState");
    form.Commit(*n, 0);
    EXPECT_EQ(eventAll.frameNames, (Names{"MotorState", "DoorState"}));

    const Names ids = EventTriggeredFrameForm::FrameIdChoices(*n, 0);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), "16"), 0);  // MotorCmd
    EXPECT_EQ(ids.size(), 57u);
    n->dynamicFrameIds.push_back(0x10);
    const Names withDynamic = EventTriggeredFrameForm::FrameIdChoices(*n, 0);
    EXPECT_EQ(std::count(withDynamic.begin(), withDynamic.end(), "16"), 1);

    // Id 1 is not on offer (MotorCmd's after the change); 10 to 19 are, yet
    // none of them is chosen for it, and confirming keeps 1.
    n->frames[0]->frameId = 1;
    eventAll.frameId = 1;
    form = EventTriggeredFrameForm::Read(*n, 0);
    EXPECT_EQ(form.frameId, "");
    form.Commit(*n, 0);
    EXPECT_EQ(eventAll.frameId, 1);
    form.frameId = "12";
    form.name = "MotorCmd";
    form.Commit(*n, 0);
    EXPECT_EQ(eventAll.frameId, 12);
    EXPECT_EQ(eventAll.name, "MotorCmd0");
}

TEST(FrameGroupForms, TheCollisionTableIsATableOrNoneAndFollowsTheTable)
{
    auto n = MakeRichNetwork();
    EventTriggeredFrame& eventAll = *n->eventTriggeredFrames[0];
    EXPECT_EQ(EventTriggeredFrameForm::CollisionTableChoices(*n, 0), (Names{"none", "Normal", "Diag"}));
    EventTriggeredFrameForm form = EventTriggeredFrameForm::Read(*n, 0);
    EXPECT_EQ(form.collisionTable, "");
    form.collisionTable = "Diag";
    form.Commit(*n, 0);
    EXPECT_EQ(eventAll.collisionTable, "Diag");

    ScheduleTableForm table = ScheduleTableForm::Read(*n, 1);
    table.name = "Resolver";
    table.Commit(*n, 1);
    EXPECT_EQ(eventAll.collisionTable, "Resolver");
    ASSERT_TRUE(RemoveEntity(*n, EntityRef{EntityKind::ScheduleTable, 1}));
    EXPECT_EQ(eventAll.collisionTable, "");

    // A table that is gone stays on offer, so that an unchanged sheet keeps it.
    eventAll.collisionTable = "Gone";
    EXPECT_EQ(EventTriggeredFrameForm::CollisionTableChoices(*n, 0), (Names{"none", "Normal", "Gone"}));
    EventTriggeredFrameForm::Read(*n, 0).Commit(*n, 0);
    EXPECT_EQ(eventAll.collisionTable, "Gone");
}

TEST(FrameGroupForms, SporadicNamesAreUniqueAcrossFrameKindsAndTheChooserGreysListedFrames)
{
    auto n = MakeRichNetwork();
    SporadicFrameForm form = SporadicFrameForm::Read(*n, 0);
    EXPECT_EQ(form.frames, (Names{"MotorCmd", "DoorState"}));
    // A sporadic frame offers the master's frames, an event-triggered frame
    // the slaves'; a listed frame is greyed.
    const std::vector<FrameChoice> choices = AddFrameChoices(*n, FrameGroup::Sporadic, form.frames);
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_TRUE(choices[0].listed);
    EXPECT_EQ(choices[0].name, "MotorCmd");
    const std::vector<FrameChoice> slaveFrames = AddFrameChoices(*n, FrameGroup::EventTriggered, form.frames);
    ASSERT_EQ(slaveFrames.size(), 2u);
    EXPECT_FALSE(slaveFrames[0].listed);
    EXPECT_EQ(slaveFrames[0].name, "MotorState");
    EXPECT_TRUE(slaveFrames[1].listed);

    for (const char* clash : {"MotorCmd", "EventAll"}) {
        form.name = clash;
        form.Commit(*n, 0);
        EXPECT_EQ(n->sporadicFrames[0]->name, std::string(clash) + "0");
    }
    EXPECT_EQ(n->sporadicFrames[0]->frameNames, (Names{"MotorCmd", "DoorState"}));
}

TEST(FrameGroupForms, DynamicIdsAreStoredInListOrderAndShownAscending)
{
    auto n = MakeRichNetwork();
    n->dynamicFrameIds = {51, 50, 70};
    DynamicFramesForm form = DynamicFramesForm::Read(*n);
    EXPECT_EQ(form.dynamic, (std::vector<unsigned>{50, 51}));
    EXPECT_EQ(form.free.size(), 58u);
    form.Remove(50);
    form.Add(40);
    form.Add(12);
    form.Add(12);
    form.Add(60);
    form.Remove(51);
    form.Remove(51);
    form.Commit(*n);
    EXPECT_EQ(n->dynamicFrameIds, (std::vector<unsigned>{40, 12}));
    EXPECT_EQ(DynamicFramesForm::Read(*n).dynamic, (std::vector<unsigned>{12, 40}));
    EXPECT_TRUE(std::is_sorted(form.free.begin(), form.free.end()));
    EXPECT_EQ(form.free.size(), 58u);
}

}  // namespace

#include "NetworkFixtures.h"
#include "TestFiles.h"
#include "editing/DataRows.h"
#include "editing/Document.h"
#include "editing/ListCommands.h"
#include "editing/SignalGroupForm.h"
#include "editing/TreeCommands.h"
#include "editing/WhereUsed.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;
using namespace outline_text;

constexpr int kGroupsItem = 2;  // under "Signals", after the encoding types and representations

Strings GroupNames(const LinNetwork& n)
{
    Strings names;
    for (const auto& group : n.signalGroups)
        names.push_back(group->name);
    return names;
}

Strings UsageTexts(const LinNetwork& n, const EntityRef& entity)
{
    Strings texts;
    for (const Usage& usage : WhereUsed(n, entity))
        texts.push_back(usage.text);
    return texts;
}

TEST(SignalGroups, ShowUnderSignalsWithTheirListsAndSheets)
{
    auto loaded = LinNetwork::Load(TestDataDir() + "/signal-groups.ldf");
    ASSERT_TRUE(loaded) << loaded.error;
    const LinNetwork& n = *loaded.network;
    ASSERT_EQ(GroupNames(n), (Strings{"G1", "G2", "G3", "G4"}));
    const TreeItemRef category = ItemAt(n, Signals, {kGroupsItem});
    EXPECT_EQ(category.kind, TreeItemKind::SignalGroupsCategory);
    EXPECT_EQ(category.itemText, SignalGroups);
    const TreeItemRef g3 = ItemAt(n, Signals, {kGroupsItem, 2});
    ASSERT_EQ(g3.kind, TreeItemKind::SignalGroup);
    EXPECT_EQ(g3.itemText, "G3");
    EXPECT_EQ(ItemAt(n, Signals, {kGroupsItem + 1}).itemText, "S1");  // the signals follow

    const DataTable groups = FillDataTable(n, category);
    EXPECT_EQ(groups.layout, layoutkey::SignalGroups);
    ASSERT_EQ(groups.rows.size(), 4u);
    EXPECT_EQ(groups.rows[0].cells, (Strings{"G1", "16", "S1, S2"}));
    const DataTable members = FillDataTable(n, ItemAt(n, Signals, {kGroupsItem, 0}));
    EXPECT_EQ(members.layout, layoutkey::SignalGroup);
    ASSERT_EQ(members.rows.size(), 2u);
    EXPECT_EQ(members.rows[1].cells, (Strings{"S2", "8", "8"}));

    const MenuState menu = TreeMenuFor(g3);
    EXPECT_EQ(menu.title, "Signal Group");
    EXPECT_TRUE(menu.add && menu.remove && menu.properties);
    EXPECT_TRUE(TreeMenuFor(category).add);
    EXPECT_FALSE(TreeMenuFor(category).remove);
    const SheetRequest sheet = TreePropertiesFor(n, g3);
    EXPECT_EQ(sheet.sheet, SheetId::SignalGroupSheet);
    EXPECT_EQ(sheet.index, 2);
    EXPECT_EQ(ListPropertiesFor(n, category, 1).index, 1);
    EXPECT_FALSE(ListPropertiesFor(n, category, 4));

    // A signal's where-used names the groups that hold it; nothing names a group.
    EXPECT_EQ(UsageTexts(n, {EntityKind::Signal, 1}), Strings{"Signal group G1"});
    EXPECT_EQ(UsageTexts(n, {EntityKind::Signal, 0}),
              (Strings{"Signal group G1", "Signal group G2", "Signal group G3", "Signal group G4"}));
    EXPECT_TRUE(UsageTexts(n, {EntityKind::SignalGroup, 0}).empty());
}

TEST(SignalGroupForm, EditsAWorkingCopyThatTheCommitStores)
{
    auto loaded = LinNetwork::Load(TestDataDir() + "/signal-groups.ldf");
    ASSERT_TRUE(loaded) << loaded.error;
    LinNetwork& n = *loaded.network;
    SignalGroupForm form = SignalGroupForm::Read(n, 1);
    EXPECT_EQ(form.name, "G2");
    EXPECT_EQ(form.MemberTexts(), Strings{"S1, 0"});
    EXPECT_EQ(form.SignalChoices(n), Strings{"S2"});
    EXPECT_EQ(form.AddSignal(n, "S2"), std::optional<int>(1));
    EXPECT_EQ(form.AddSignal(n, "S2"), std::nullopt);  // once per group
    EXPECT_EQ(form.AddSignal(n, "Nope"), std::nullopt);
    EXPECT_EQ(form.MemberTexts(), (Strings{"S1, 0", "S2, 8"}));  // after the last member's bits

    EXPECT_EQ(form.SetOffset(1, "12"), "");
    EXPECT_NE(form.SetOffset(1, "64"), "");
    EXPECT_NE(form.SetOffset(1, "1x"), "");
    EXPECT_EQ(form.MemberTexts(), (Strings{"S1, 0", "S2, 12"}));
    form.size = "65";
    EXPECT_NE(form.SizeProblem(), "");
    form.size = "24";
    EXPECT_EQ(form.SizeProblem(), "");

    // The name is unique among the groups and unlike every signal.
    for (const auto& [typed, stored] : {std::pair<const char*, const char*>{"S1", "S10"}, {"G1", "G10"}, {"", "G10"}}) {
        SCOPED_TRACE(typed);
        form.name = typed;
        form.Commit(n, 1);
        EXPECT_EQ(n.signalGroups[1]->name, stored);
    }
    EXPECT_EQ(n.signalGroups[1]->groupSize, 24);
    EXPECT_EQ(n.signalGroups[1]->signalNames, (Strings{"S1", "S2"}));
    EXPECT_EQ(n.signalGroups[1]->offsets, (std::vector<std::uint32_t>{0, 12}));
    form.Remove(0);
    form.Remove(5);
    form.Commit(n, 1);
    EXPECT_EQ(n.signalGroups[1]->signalNames, Strings{"S2"});
    SignalGroupForm{}.Commit(n, 9);  // no such group: nothing happens
}

TEST(SignalGroups, AddRenameAndDeleteAreOneUndoStepEach)
{
    Document document;
    ASSERT_EQ(document.Open(TestDataDir() + "/../../examples/body-control.ldf"), "");
    const LinNetwork& n = *document.Network();
    ASSERT_TRUE(n.signalGroups.empty());

    std::optional<TreeItemRef> added;
    ASSERT_TRUE(document.Edit([&](LinNetwork& net) {
        added = AddForTreeItem(net, ItemAt(net, Signals, {kGroupsItem}));
        return added.has_value();
    }));
    ASSERT_EQ(added->kind, TreeItemKind::SignalGroup);
    EXPECT_EQ(added->itemText, "Unknown");
    const SheetRequest sheet = TreePropertiesFor(n, *added);
    ASSERT_EQ(sheet.sheet, SheetId::SignalGroupSheet);

    ASSERT_TRUE(document.Edit([&](LinNetwork& net) {
        SignalGroupForm form = SignalGroupForm::Read(net, sheet.index);
        form.name = "Doors";
        form.size = "16";
        EXPECT_TRUE(form.AddSignal(net, net.signals[0]->name));
        form.Commit(net, sheet.index);
        return true;
    }));
    EXPECT_EQ(GroupNames(n), Strings{"Doors"});
    const std::string saved = n.BuildLdfText();
    EXPECT_NE(saved.find("Doors: 16 {"), std::string::npos);
    const Strings usages = UsageTexts(n, {EntityKind::Signal, 0});
    EXPECT_NE(std::find(usages.begin(), usages.end(), "Signal group Doors"), usages.end());

    ASSERT_TRUE(
        document.Edit([&](LinNetwork& net) { return DeleteListRow(net, ItemAt(net, Signals, {kGroupsItem}), 0); }));
    EXPECT_TRUE(n.signalGroups.empty());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(GroupNames(n), Strings{"Doors"});
    ASSERT_TRUE(document.Edit([&](LinNetwork& net) {
        return DeleteTreeItem(net, ItemAt(net, Signals, {kGroupsItem, 0}));
    }));
    EXPECT_TRUE(n.signalGroups.empty());
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(GroupNames(n), Strings{"Unknown"});
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(n.signalGroups.empty());
}

}  // namespace

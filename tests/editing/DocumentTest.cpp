#include "editing/Document.h"
#include "NetworkFixtures.h"
#include "TestFiles.h"
#include "editing/TreeCommands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using namespace outline_text;

std::string BodyControl() { return TestDataDir() + "/../../examples/body-control.ldf"; }

// The slave names the document's outline shows under "Nodes".
std::vector<std::string> SlaveItems(const Document& document)
{
    std::vector<std::string> names;
    for (const OutlineItem& item : document.Outline().items)
        if (item.itemKind == TreeItemKind::Slave)
            names.emplace_back(document.Outline().Text(item));
    return names;
}

TEST(Document, OpenPreparesTheNetworkAndItsOutline)
{
    Document document;
    EXPECT_EQ(document.Network(), nullptr);
    EXPECT_FALSE(document.Open(TestDataDir() + "/no-such-file.ldf").empty());
    EXPECT_EQ(document.Network(), nullptr);

    ASSERT_EQ(document.Open(BodyControl()), "");
    ASSERT_NE(document.Network(), nullptr);
    // The outline is that of the network as the load pipeline prepares it.
    LoadResult loaded = LinNetwork::Load(BodyControl());
    const PreparedLoad prepared = PrepareLoaded(std::move(loaded));
    ASSERT_TRUE(prepared);
    EXPECT_EQ(DumpNetwork(*document.Network()), DumpNetwork(*prepared.network));
    ASSERT_EQ(document.Outline().items.size(), prepared.outline.items.size());
    for (std::size_t i = 0; i < prepared.outline.items.size(); ++i) {
        const std::string_view text = prepared.outline.Text(prepared.outline.items[i]);
        SCOPED_TRACE(text);
        EXPECT_EQ(document.Outline().Text(document.Outline().items[i]), text);
        EXPECT_EQ(document.Outline().items[i].colour, prepared.outline.items[i].colour);
    }

    // A failed Open keeps the network that was open.
    const LinNetwork* open = document.Network();
    EXPECT_FALSE(document.Open(TestDataDir() + "/no-such-file.ldf").empty());
    EXPECT_EQ(document.Network(), open);
}

TEST(Document, EveryStepEndsPrepared)
{
    Document document;
    document.New();
    EXPECT_FALSE(document.IsModified());
    const std::vector<std::string> before = SlaveItems(document);
    const TreeItemRef nodes = TreeItemAt(document.Outline(), document.Outline().FindPath({Nodes}));
    std::optional<TreeItemRef> added;
    ASSERT_TRUE(document.Edit([&](LinNetwork& network) {
        added = AddForTreeItem(network, nodes);
        return added.has_value();
    }));
    // The preparation ran inside the step: the new slave has its attributes
    // and the outline shows it.
    ASSERT_EQ(SlaveItems(document).size(), before.size() + 1);
    EXPECT_NE(document.Network()->FindNodeAttributes(SlaveItems(document).back()), nullptr);
    EXPECT_EQ(FindOutlineItem(document.Outline(), *added->record) >= 0, true);
    EXPECT_TRUE(document.IsModified());

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(SlaveItems(document), before);
    EXPECT_FALSE(document.IsModified());
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(SlaveItems(document).size(), before.size() + 1);
    EXPECT_TRUE(document.IsModified());

    // An edit that changes nothing is no step.
    EXPECT_FALSE(document.Edit([](LinNetwork&) { return false; }));
    ASSERT_TRUE(document.Undo());
    EXPECT_FALSE(document.CanUndo());

    document.ChangeOutsideHistory(
        [](LinNetwork& network) { network.slaves.Append(std::make_unique<LinNode>("Seat")); });
    EXPECT_EQ(SlaveItems(document).back(), "Seat");
    EXPECT_NE(document.Network()->FindNodeAttributes("Seat"), nullptr);
    EXPECT_TRUE(document.IsModified());
}

TEST(Document, SaveMakesTheSavedStateAndAFailedSaveKeepsTheFlag)
{
    Document document;
    EXPECT_FALSE(document.Save(TestDataDir() + "/never-written.ldf").empty());
    document.New();
    document.ChangeOutsideHistory([](LinNetwork&) {});
    ASSERT_TRUE(document.IsModified());
    EXPECT_FALSE(document.Save(TestDataDir() + "/no-such-folder/x.ldf").empty());
    EXPECT_TRUE(document.IsModified());

    const std::string path = (std::filesystem::temp_directory_path() / "duvazadi-document-test.ldf").string();
    EXPECT_EQ(document.Save(path), "");
    EXPECT_FALSE(document.IsModified());
    Document reopened;
    EXPECT_EQ(reopened.Open(path), "");
    EXPECT_EQ(reopened.Network()->BuildLdfText(), document.Network()->BuildLdfText());
    // What the document saved needs no repair.
    EXPECT_FALSE(reopened.IsModified());
    std::remove(path.c_str());
}

// Statements kept inside blocks: a save in the file's layout writes them
// back where they stood; one in the fixed layout, asked for or after
// Reformat, names them first.
TEST(Document, SavingTheFilesLayoutKeepsTheStatementsNotRead)
{
    const std::string file = TestDataDir() + "/unread-node-attributes.ldf";
    Document document;
    ASSERT_EQ(document.Open(file), "");
    const std::vector<std::string> lines = {"line 30: statement not read", "line 39: statement not read",
                                            "line 47: statement not read", "line 52: statement not read",
                                            "line 53: statement not read", "line 56: statement not read",
                                            "line 59: statement not read"};
    EXPECT_TRUE(document.UnreadStatementsNotSaved(false).empty());
    EXPECT_EQ(lines, document.UnreadStatementsNotSaved(true));

    const std::string path = (std::filesystem::temp_directory_path() / "duvazadi-unread-test.ldf").string();
    ASSERT_EQ(document.Save(path), "");
    EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(path));
    ASSERT_TRUE(document.Reformat());
    EXPECT_EQ(lines, document.UnreadStatementsNotSaved(false));
    std::remove(path.c_str());
}

TEST(Document, ConvertingIsOneStepUndoneWhole)
{
    Document document;
    ASSERT_EQ(document.Open(BodyControl()), "");
    const std::string original = DumpNetwork(*document.Network());
    const bool modified = document.IsModified();
    EXPECT_FALSE(document.ConvertTo(lin::Dialect::Lin20));
    ASSERT_TRUE(document.ConvertTo(lin::Dialect::Lin21));
    EXPECT_NE(DumpNetwork(*document.Network()), original);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpNetwork(*document.Network()), original);
    EXPECT_EQ(document.IsModified(), modified);
}

}  // namespace

TEST(Document, SavingOverAFileThatIsNoLdfAsksUntilSavedOver)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "duvazadi-non-ldf-test";
    std::filesystem::create_directories(folder);
    const std::string notLdf = (folder / "notes.ldf").string();
    const std::string elsewhere = (folder / "elsewhere.ldf").string();
    struct Case {
        const char* name;
        std::string content;
        bool asks;
    };
    const std::vector<Case> cases = {
        {"empty", "", true},
        {"text", "Nodes { Master: M, 10 ms, 0.1 ms; }\n", true},
        {"binary",
         std::string("\x7F"
                     "ELF\x02\x01\0\0",
                     8),
         true},
        {"header after a byte-order mark", "\xEF\xBB\xBFLIN_description_file;\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(elsewhere.c_str());
        {
            std::ofstream file(notLdf, std::ios::binary | std::ios::trunc);
            file << c.content;
        }
        Document document;
        ASSERT_EQ(document.Open(notLdf), "");
        EXPECT_EQ(c.asks, document.SaveReplacesNonLdfFile(notLdf));
        EXPECT_EQ(c.asks, document.SaveReplacesNonLdfFile((folder / "." / "notes.ldf").string()));
        EXPECT_FALSE(document.SaveReplacesNonLdfFile(elsewhere));
        if (!c.asks)
            continue;
        // A new network was read from no file.
        Document renewed;
        ASSERT_EQ(renewed.Open(notLdf), "");
        renewed.New();
        EXPECT_FALSE(renewed.SaveReplacesNonLdfFile(notLdf));
        // Saved elsewhere, the file read is still no LDF file; saved over, it
        // holds what the user agreed to.
        ASSERT_EQ(document.Save(elsewhere), "");
        EXPECT_FALSE(document.SaveReplacesNonLdfFile(elsewhere));
        EXPECT_TRUE(document.SaveReplacesNonLdfFile(notLdf));
        ASSERT_EQ(document.Save(notLdf), "");
        EXPECT_FALSE(document.SaveReplacesNonLdfFile(notLdf));
    }
    std::filesystem::remove_all(folder);
}

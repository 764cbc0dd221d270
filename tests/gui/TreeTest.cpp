// The navigation tree as the window shows it: its items, red marks and
// their reasons in the status bar, the position line, and what every
// rebuild keeps.

#include "EditorFixture.h"
#include "GuiTestRegistry.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "views/ContextMenus.h"
#include "views/TreePosition.h"

#include <QScrollBar>
#include <QTest>

class TreeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newNetworkShowsTheCategoriesAndDefaultNodes()
    {
        EditorFixture editor;
        editor.frame->NewDocument();
        const QStringList expected = {"Network",
                                      "Nodes",
                                      "Nodes/Master",
                                      "Nodes/Slave1",
                                      "Node Composition",
                                      "Frames",
                                      "Frames/MasterReq",
                                      "Frames/SlaveRes",
                                      "Event Triggered Frames",
                                      "Sporadic Frames",
                                      "Dynamic Frames",
                                      "Signals",
                                      "Signals/Encoding Types",
                                      "Signals/Representation",
                                      "Signals/Signal Groups",
                                      "Schedules"};
        QCOMPARE(editor.Outline(), expected);
        // The first showing leaves nothing selected.
        QCOMPARE(editor.Tree().currentItem(), nullptr);
        QCOMPARE(editor.frame->Position().Path(), QStringLiteral("Static"));
        // Every later New selects "Network" and shows it.
        editor.frame->NewDocument();
        QCOMPARE(editor.Tree().currentItem(), editor.Item({"Network"}));
        QCOMPARE(editor.frame->Position().Path(), QStringLiteral("Network / "));
    }

    void failedChecksMarkItemsRedWithTheirReasons()
    {
        EditorFixture editor;
        editor.frame->NewDocument();
        QVERIFY(editor.HasCategories());
        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) {
            network.protocolVersion = 100.0f;
            network.languageVersion = 0.0f;
        });

        QTreeWidgetItem* networkItem = editor.Item({"Network"});
        QTreeWidgetItem* nodesItem = editor.Item({"Nodes"});
        QVERIFY(networkItem && nodesItem);
        QCOMPARE(networkItem->foreground(0).color(), QColor(Qt::red));
        QCOMPARE(nodesItem->data(0, Qt::ForegroundRole), QVariant());

        editor.Tree().setCurrentItem(networkItem);
        // The reason of the later failed rule comes first.
        QCOMPARE(editor.frame->StatusText(), QStringLiteral("Language version false; Protocol version false"));
        editor.Tree().setCurrentItem(nodesItem);
        QCOMPARE(editor.frame->StatusText(), QStringLiteral("Ready"));

        // Mended: the mark goes when the check passes again.
        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) {
            network.protocolVersion = 2.0f;
            network.languageVersion = 2.0f;
        });
        QCOMPARE(editor.Item({"Network"})->data(0, Qt::ForegroundRole), QVariant());
    }

    void rebuildKeepsExpansionSelectionAndScrolling()
    {
        EditorFixture editor;
        editor.frame->resize(600, 200);
        editor.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.frame.get()));
        editor.frame->NewDocument();
        QVERIFY(editor.HasCategories());
        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) {
            for (int i = 0; i < 30; ++i)
                network.slaves.Append(std::make_unique<LinNode>("Door" + std::to_string(i)));
        });

        editor.Item({"Nodes"})->setExpanded(true);
        editor.Item({"Signals"})->setExpanded(true);
        QTreeWidgetItem* selected = editor.Item({"Nodes", "Door20"});
        QVERIFY(selected);
        editor.Tree().setCurrentItem(selected);
        editor.Tree().scrollToItem(selected);
        const int scrolled = editor.Tree().verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
        const std::vector<QTreeWidgetItem*> visibleBefore = editor.Tree().VisibleItems();
        const auto row = std::find(visibleBefore.begin(), visibleBefore.end(), selected) - visibleBefore.begin();

        editor.frame->Document().ChangeOutsideHistory(
            [](LinNetwork& network) { network.frames.Append(std::make_unique<LinFrame>()); });

        QVERIFY(editor.Item({"Nodes"})->isExpanded());
        QVERIFY(editor.Item({"Signals"})->isExpanded());
        QVERIFY(!editor.Item({"Frames"})->isExpanded());
        const std::vector<QTreeWidgetItem*> visibleAfter = editor.Tree().VisibleItems();
        QCOMPARE(editor.Tree().currentItem(), visibleAfter.at(static_cast<std::size_t>(row)));
        QCOMPARE(editor.Tree().currentItem()->text(0), QStringLiteral("Door20"));
        QCOMPARE(editor.Tree().verticalScrollBar()->value(), scrolled);
        QCOMPARE(editor.frame->Position().Path(), QStringLiteral("Nodes / Door20 / "));
    }

    // A change that adds, removes and moves nothing keeps the items
    // themselves, expanded and selected as they were, with new texts and
    // marks.
    void anEditedValueKeepsTheItems()
    {
        EditorFixture editor;
        editor.frame->NewDocument();
        QVERIFY(editor.HasCategories());
        QTreeWidgetItem* slave = editor.Item({"Nodes", "Slave1"});
        QTreeWidgetItem* networkItem = editor.Item({"Network"});
        QVERIFY(slave && networkItem);
        editor.Item({"Nodes"})->setExpanded(true);
        editor.Tree().setCurrentItem(slave);

        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) {
            network.slaves[0]->name = "Door";
            network.protocolVersion = 100.0f;
        });
        QCOMPARE(editor.Item({"Nodes", "Door"}), slave);
        QCOMPARE(editor.Item({"Network"}), networkItem);
        QCOMPARE(networkItem->foreground(0).color(), QColor(Qt::red));
        QCOMPARE(networkItem->toolTip(0), QStringLiteral("Protocol version false"));
        QVERIFY(editor.Item({"Nodes"})->isExpanded());
        QCOMPARE(editor.Tree().currentItem(), slave);
        QCOMPARE(editor.frame->Position().Path(), QStringLiteral("Nodes / Door / "));

        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) { network.protocolVersion = 2.0f; });
        QCOMPARE(networkItem->data(0, Qt::ForegroundRole), QVariant());
        QCOMPARE(networkItem->toolTip(0), QString());
    }

    void compositeNodeShowsItsPathAndPlace()
    {
        EditorFixture editor;
        editor.frame->NewDocument();
        QVERIFY(editor.HasCategories());
        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) {
            auto& configuration =
                network.compositeConfigurations.Append(std::make_unique<CompositeConfiguration>("Cfg1"));
            configuration.compositeNodes.Append(std::make_unique<CompositeNode>("Front"));
            configuration.compositeNodes.Append(std::make_unique<CompositeNode>("Rear"));
        });

        QTreeWidgetItem* rear = editor.Item({"Node Composition", "Cfg1", "Rear"});
        QVERIFY(rear);
        editor.Tree().setCurrentItem(rear);
        QCOMPARE(editor.frame->Position().Path(), QStringLiteral("Node Composition / Cfg1 / Rear / "));
        QCOMPARE(editor.Tree().Depth(), 2);
        QCOMPARE(editor.Tree().TopText(), QStringLiteral("Node Composition"));
        QCOMPARE(editor.Tree().SiblingIndex(rear), 1);
        QCOMPARE(NavView::ParentText(rear), QStringLiteral("Cfg1"));
    }

    void itemsKnowWhatTheyShowWhateverTheyAreCalled()
    {
        EditorFixture editor;
        editor.frame->NewDocument();
        editor.frame->Document().ChangeOutsideHistory([](LinNetwork& network) { network.slaves[0]->name = "Master"; });

        QTreeWidgetItem* nodes = editor.Item({"Nodes"});
        QVERIFY(nodes && nodes->childCount() == 2);
        QCOMPARE(nodes->child(1)->text(0), QStringLiteral("Master"));
        QVERIFY(TreeItemRefOf(nodes->child(0)).kind == TreeItemKind::Master);
        QVERIFY(!TreeItemRefOf(nodes->child(0)).record);
        const TreeItemRef slave = TreeItemRefOf(nodes->child(1));
        QVERIFY(slave.kind == TreeItemKind::Slave);
        QVERIFY(slave.record && slave.record->kind == EntityKind::Slave);
        QCOMPARE(slave.record->index, 0);
    }

    void schedulesNeverShowsTheOpenFolder()
    {
        EditorFixture editor;
        editor.frame->NewDocument();
        QVERIFY(editor.HasCategories());
        const auto selectedImage = [](QTreeWidgetItem* item) {
            return item->icon(0).pixmap(16, QIcon::Selected).toImage();
        };
        const auto normalImage = [](QTreeWidgetItem* item) {
            return item->icon(0).pixmap(16, QIcon::Normal).toImage();
        };
        QTreeWidgetItem* schedules = editor.Item({"Schedules"});
        QTreeWidgetItem* frames = editor.Item({"Frames"});
        QCOMPARE(selectedImage(schedules), normalImage(schedules));
        QVERIFY(selectedImage(frames) != normalImage(frames));
    }
};

REGISTER_GUI_TEST(TreeTest);

#include "TreeTest.moc"

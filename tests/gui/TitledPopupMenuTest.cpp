#include "controls/TitledPopupMenu.h"
#include "GuiTestRegistry.h"
#include "editing/ListCommands.h"
#include "views/ContextMenus.h"

#include <QTest>
#include <QTreeWidget>
#include <QWidgetAction>

namespace {

QStringList EntryTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

bool IsEnabled(const TitledPopupMenu& menu, int command)
{
    const QAction* action = FindCommand(menu, command);
    return action && action->isEnabled();
}

// An item as the tree hands it over; the menus look at its kind only.
TreeItemRef ItemOfKind(TreeItemKind kind)
{
    TreeItemRef item;
    item.kind = kind;
    item.depth = 0;
    return item;
}

}  // namespace

class TitledPopupMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void treeMenuShowsTheTitleAndTheEnabledCommands()
    {
        const TreeItemRef masterReq = ItemOfKind(TreeItemKind::MasterRequestFrame);
        auto menu = MakeTreeContextMenu(TreeMenuFor(masterReq), nullptr);
        QCOMPARE(EntryTexts(*menu),
                 (QStringList{"Frame", "-", "Add", "Delete", "-", "Properties", "-", "Expand all", "Collapse all"}));
        QCOMPARE(menu->TitleStrip()->Text(), QStringLiteral("Frame"));
        QVERIFY(qobject_cast<QWidgetAction*>(menu->actions().front()));
        QVERIFY(!menu->actions().front()->isEnabled());
        QCOMPARE(CommandOf(menu->actions().front()), 0);
        QVERIFY(IsEnabled(*menu, kCommandAdd));
        QVERIFY(!IsEnabled(*menu, kCommandDelete));
        QVERIFY(!IsEnabled(*menu, kCommandProperties));
        QVERIFY(IsEnabled(*menu, kCommandExpandAll));
        QVERIFY(IsEnabled(*menu, kCommandCollapseAll));

        auto slave = MakeTreeContextMenu(TreeMenuFor(ItemOfKind(TreeItemKind::Slave)), nullptr);
        QCOMPARE(slave->TitleStrip()->Text(), QStringLiteral("Node"));
        QVERIFY(IsEnabled(*slave, kCommandDelete));
        QVERIFY(IsEnabled(*slave, kCommandProperties));
    }

    void listMenuHasNoExpandEntries()
    {
        auto menu = MakeListContextMenu(ListMenuFor(ItemOfKind(TreeItemKind::NodesCategory), 0), nullptr);
        QCOMPARE(EntryTexts(*menu), (QStringList{"Node", "-", "Add", "Delete", "-", "Properties"}));
        QVERIFY(IsEnabled(*menu, kCommandAdd));
        QVERIFY(!IsEnabled(*menu, kCommandDelete));
        QVERIFY(IsEnabled(*menu, kCommandProperties));
    }

    void theTitleIsNeverSelected()
    {
        auto menu = MakeTreeContextMenu(TreeMenuFor(ItemOfKind(TreeItemKind::SignalsCategory)), nullptr);
        menu->popup(QPoint(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
        QTest::keyClick(menu.get(), Qt::Key_Down);
        QCOMPARE(CommandOf(menu->activeAction()), int(kCommandAdd));
        QTest::keyClick(menu.get(), Qt::Key_Up);
        QVERIFY(menu->activeAction() != menu->actions().front());
        menu->close();
    }

    void stripsAreSizedByTheirBoldText()
    {
        TitledPopupMenu menu(QStringLiteral("A rather long title for a popup menu"));
        QAction* heading = menu.AddHeading(QStringLiteral("Normal Frames"));
        menu.addAction(QStringLiteral("x"));
        auto* headingStrip = qobject_cast<CaptionStrip*>(qobject_cast<QWidgetAction*>(heading)->defaultWidget());
        QVERIFY(headingStrip);
        QVERIFY(!heading->isEnabled());
        QCOMPARE(menu.TitleStrip()->sizeHint().height(), headingStrip->sizeHint().height() + 2);
        QVERIFY(menu.sizeHint().width() >= menu.TitleStrip()->sizeHint().width());
        QVERIFY(menu.TitleStrip()->sizeHint().width() > headingStrip->sizeHint().width());
    }

    void equalCaptionColoursGiveAFlatStrip()
    {
        CaptionStrip strip(QStringLiteral("Node"), CaptionStrip::Kind::Title);
        strip.resize(200, strip.sizeHint().height());
        const QImage gradient = strip.grab().toImage();
        const int y = gradient.height() - 1;
        QVERIFY(gradient.pixelColor(0, y) != gradient.pixelColor(gradient.width() - 1, y));

        QPalette palette = strip.palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Highlight));
        strip.setPalette(palette);
        const QImage flat = strip.grab().toImage();
        QCOMPARE(flat.pixelColor(0, y), flat.pixelColor(flat.width() - 1, y));
        QCOMPARE(flat.pixelColor(0, y), palette.color(QPalette::Highlight));
    }

    void treeItemsMapToTheirIdentityAndBack()
    {
        QTreeWidget tree;
        for (const std::string& text : TopLevelTexts())
            tree.addTopLevelItem(new QTreeWidgetItem(QStringList{QString::fromStdString(text)}));
        QTreeWidgetItem* composition = tree.topLevelItem(2);
        auto* configuration = new QTreeWidgetItem(composition, QStringList{"Cfg"});
        new QTreeWidgetItem(configuration, QStringList{"A"});
        auto* node = new QTreeWidgetItem(configuration, QStringList{"B"});
        OutlineItem laidOut;
        laidOut.itemKind = TreeItemKind::CompositeNode;
        laidOut.ShowRecord(1, 0);
        SetOutlineData(*node, laidOut);

        const TreeItemRef ref = TreeItemRefOf(node);
        QCOMPARE(ref.depth, 2);
        QCOMPARE(ref.itemText, std::string("B"));
        QCOMPARE(ref.path, (std::vector<int>{2, 0, 1}));
        QCOMPARE(tree.topLevelItem(ref.path.front())->text(0), QStringLiteral("Node Composition"));
        QVERIFY(ref.kind == TreeItemKind::CompositeNode);
        QVERIFY(ref.record && ref.record->kind == EntityKind::CompositeNode);
        QCOMPARE(ref.record->index, 1);
        QCOMPARE(ref.record->parent, 0);
        QCOMPARE(FindTreeItem(tree, ref), node);
        TreeItemRef missing = ref;
        missing.path.back() = 2;
        QCOMPARE(FindTreeItem(tree, missing), nullptr);
        QCOMPARE(TreeItemRefOf(tree.topLevelItem(7)).itemText, std::string("Signals"));
        QVERIFY(!TreeItemRefOf(nullptr).IsValid());
    }
};

REGISTER_GUI_TEST(TitledPopupMenuTest);

#include "TitledPopupMenuTest.moc"

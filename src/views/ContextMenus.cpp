#include "views/ContextMenus.h"

#include "controls/TitledPopupMenu.h"

#include <QKeyEvent>
#include <QTreeWidget>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kAdd = "Add";
const char* const kDelete = "Delete";
const char* const kProperties = "Properties";
const char* const kExpandAll = "Expand all";
const char* const kCollapseAll = "Collapse all";
const char* const kWhereUsed = "Where used";

// The entries of "Where used" carry their usage's index from here on, above
// every command id.
constexpr int kFirstUsage = 100000;

// Beside OwnTreeView's handle role.
constexpr int kItemKindRole = Qt::UserRole + 2;
constexpr int kRecordRole = Qt::UserRole + 3;  // the EntityRef; unset for fixed items

void AddCommand(QMenu& menu, const char* text, int command, bool enabled)
{
    QAction* action = menu.addAction(QString::fromLatin1(text));
    action->setData(command);
    action->setEnabled(enabled);
}

std::unique_ptr<TitledPopupMenu> MakeEditMenu(const MenuState& state, QWidget* parent)
{
    auto menu = std::make_unique<TitledPopupMenu>(QString::fromStdString(state.title), parent);
    menu->addSeparator();
    AddCommand(*menu, kAdd, kCommandAdd, state.add);
    AddCommand(*menu, kDelete, kCommandDelete, state.remove);
    menu->addSeparator();
    AddCommand(*menu, kProperties, kCommandProperties, state.properties);
    return menu;
}

}  // namespace

std::unique_ptr<TitledPopupMenu> MakeTreeContextMenu(const MenuState& state, QWidget* parent,
                                                     const std::vector<Usage>* usages)
{
    auto menu = MakeEditMenu(state, parent);
    menu->addSeparator();
    AddCommand(*menu, kExpandAll, kCommandExpandAll, true);
    AddCommand(*menu, kCollapseAll, kCommandCollapseAll, true);
    if (usages) {
        menu->addSeparator();
        QMenu* whereUsed = menu->addMenu(QString::fromLatin1(kWhereUsed));
        whereUsed->setEnabled(!usages->empty());
        for (std::size_t i = 0; i < usages->size(); ++i)
            whereUsed->addAction(QString::fromStdString((*usages)[i].text))->setData(kFirstUsage + static_cast<int>(i));
    }
    return menu;
}

std::unique_ptr<TitledPopupMenu> MakeListContextMenu(const MenuState& state, QWidget* parent)
{
    return MakeEditMenu(state, parent);
}

int CommandOfKey(const QKeyEvent& key, const MenuState& state)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return 0;
    switch (key.key()) {
    case Qt::Key_Delete:
        return state.remove ? kCommandDelete : 0;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        return state.properties ? kCommandProperties : 0;
    default:
        return 0;
    }
}

int CommandOf(const QAction* chosen)
{
    const int command = chosen ? chosen->data().toInt() : 0;
    return command < kFirstUsage ? command : 0;
}

int UsageOf(const QAction* chosen)
{
    const int data = chosen ? chosen->data().toInt() : 0;
    return data >= kFirstUsage ? data - kFirstUsage : -1;
}

QAction* FindCommand(const TitledPopupMenu& menu, int command)
{
    if (command == 0)
        return nullptr;
    for (QAction* action : menu.actions())
        if (CommandOf(action) == command)
            return action;
    return nullptr;
}

void SetOutlineData(QTreeWidgetItem& item, const OutlineItem& entry)
{
    item.setData(0, kItemKindRole, static_cast<int>(entry.itemKind));
    if (const std::optional<EntityRef> record = entry.Record())
        item.setData(0, kRecordRole, QVariant::fromValue(*record));
}

bool HasOutlineData(const QTreeWidgetItem& item, const OutlineItem& entry)
{
    if (item.data(0, kItemKindRole).toInt() != static_cast<int>(entry.itemKind))
        return false;
    const QVariant record = item.data(0, kRecordRole);
    const std::optional<EntityRef> laidOut = entry.Record();
    if (!record.canConvert<EntityRef>())
        return !laidOut;
    const EntityRef shown = record.value<EntityRef>();
    return laidOut && shown.kind == laidOut->kind && shown.index == laidOut->index && shown.parent == laidOut->parent;
}

TreeItemRef TreeItemRefOf(const QTreeWidgetItem* item)
{
    TreeItemRef ref;
    if (!item)
        return ref;
    ref.kind = static_cast<TreeItemKind>(item->data(0, kItemKindRole).toInt());
    if (const QVariant record = item->data(0, kRecordRole); record.canConvert<EntityRef>())
        ref.record = record.value<EntityRef>();
    ref.itemText = item->text(0).toStdString();
    for (const QTreeWidgetItem* current = item; current; current = current->parent()) {
        const QTreeWidgetItem* parent = current->parent();
        auto* child = const_cast<QTreeWidgetItem*>(current);
        ref.path.insert(ref.path.begin(),
                        parent ? parent->indexOfChild(child) : item->treeWidget()->indexOfTopLevelItem(child));
    }
    ref.depth = static_cast<int>(ref.path.size()) - 1;
    return ref;
}

QTreeWidgetItem* FindTreeItem(const QTreeWidget& tree, const TreeItemRef& ref)
{
    const std::vector<int>& path = ref.path;
    if (path.empty())
        return nullptr;
    QTreeWidgetItem* item = tree.topLevelItem(path.front());
    for (std::size_t i = 1; item && i < path.size(); ++i)
        item = item->child(path[i]);
    return item;
}

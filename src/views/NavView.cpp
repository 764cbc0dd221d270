#include "views/NavView.h"

#include "controls/TitledPopupMenu.h"
#include "editing/HoverTexts.h"
#include "editing/TreeCommands.h"
#include "editing/TreeFilter.h"
#include "editing/WhereUsed.h"
#include "gui/AppTexts.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "validation/TreeOutline.h"
#include "views/ContextMenus.h"
#include "views/DeleteQuestion.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <optional>

namespace {

const char* const kPathSeparator = " / ";
constexpr int kIconSize = 16;

QPixmap LeafMark()
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(5, 7, 6, 2), QColor(90, 90, 90));
    return pixmap;
}

QIcon TwoStateIcon(const QPixmap& normal, const QPixmap& selected)
{
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(selected, QIcon::Selected);
    return icon;
}

}  // namespace

NavView::NavView(CDuvazadiDoc& document, const ModalRunners& modals, QWidget* parent)
    : OwnTreeView(parent), m_document(document), m_modals(modals)
{
    setObjectName(QStringLiteral("navView"));
    setHeaderHidden(true);
    // Every item is one line beside an icon of one size; a tree of tens of
    // thousands of items is laid out without asking each for its height.
    setUniformRowHeights(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(kIconSize, kIconSize));
    setContextMenuPolicy(Qt::CustomContextMenu);
    header()->setStretchLastSection(true);

    const QPixmap closed = style()->standardIcon(QStyle::SP_DirClosedIcon).pixmap(kIconSize);
    const QPixmap open = style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(kIconSize);
    const QPixmap leaf = LeafMark();
    m_categoryIcon = TwoStateIcon(closed, open);
    m_schedulesIcon = TwoStateIcon(closed, closed);
    m_entityIcon = TwoStateIcon(leaf, leaf);

    connect(this, &QTreeWidget::currentItemChanged, this, &NavView::OnCurrentItemChanged);
    connect(this, &QWidget::customContextMenuRequested, this, &NavView::OnContextMenu);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &NavView::OpenSheetOf);

    m_filterEdit = new QLineEdit(this);
    m_filterEdit->setObjectName(QStringLiteral("treeFilter"));
    m_filterEdit->setClearButtonEnabled(true);
    m_filterEdit->hide();
    m_filterEdit->installEventFilter(this);
    connect(m_filterEdit, &QLineEdit::textChanged, this, &NavView::ApplyFilter);
}

void NavView::Build()
{
    if (m_document.Network() && HasOutlineItems(m_document.Outline().items)) {
        ShowOutlineTexts(m_document.Outline());
        return;
    }
    const std::vector<std::vector<int>> expanded = ExpandedPaths();
    const std::vector<QTreeWidgetItem*> visibleBefore = VisibleItems();
    const auto selectedRow =
        std::find(visibleBefore.begin(), visibleBefore.end(), currentItem()) - visibleBefore.begin();
    const int scrollPosition = verticalScrollBar()->value();

    m_suppressSelection = true;
    setUpdatesEnabled(false);
    ClearItems();
    if (m_document.Network()) {
        // The items are put together outside the tree and join it at once:
        // an item that is part of the tree signals every change made to it.
        const TextCodec& codec = m_document.Codec();
        QList<QTreeWidgetItem*> topLevel;
        const TreeOutline& outline = m_document.Outline();
        for (const OutlineItem& entry : outline.items) {
            auto* item = new QTreeWidgetItem;
            item->setText(0, codec.ToQt(outline.Text(entry)));
            SetOutlineData(*item, entry);
            if (entry.kind == OutlineItem::Kind::Entity)
                item->setIcon(0, m_entityIcon);
            else
                item->setIcon(0, entry.itemKind == TreeItemKind::SchedulesCategory ? m_schedulesIcon : m_categoryIcon);
            const int handle = RegisterItem(item);
            ShowColour(handle, entry.colour);
            if (const std::string tip = ReasonsTip(outline, handle); !tip.empty())
                item->setToolTip(0, codec.ToQt(tip));
            if (QTreeWidgetItem* parentItem = ItemOf(entry.parent))
                parentItem->addChild(item);
            else
                topLevel << item;
        }
        addTopLevelItems(topLevel);
    }
    setUpdatesEnabled(true);

    ExpandPaths(expanded);
    const std::vector<QTreeWidgetItem*> visible = VisibleItems();
    if (!visible.empty())
        setCurrentItem(visible[std::min<std::size_t>(static_cast<std::size_t>(selectedRow), visible.size() - 1)]);
    verticalScrollBar()->setValue(scrollPosition);
    m_suppressSelection = false;
    if (!FilterText().isEmpty())
        ApplyFilter();
}

// A change that added, removed and moved nothing leaves every item where
// it is, with its expansion and selection: the tree of a large network is
// not built again for an edited value.
bool NavView::HasOutlineItems(const std::vector<OutlineItem>& entries) const
{
    if (entries.size() != ItemCount())
        return false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QTreeWidgetItem* item = ItemOf(static_cast<int>(i));
        if (HandleOf(item->parent()) != entries[i].parent || !HasOutlineData(*item, entries[i]))
            return false;
    }
    return true;
}

void NavView::ShowOutlineTexts(const TreeOutline& outline)
{
    const std::vector<OutlineItem>& entries = outline.items;
    const TextCodec& codec = m_document.Codec();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int handle = static_cast<int>(i);
        QTreeWidgetItem* item = ItemOf(handle);
        if (const QString text = codec.ToQt(outline.Text(entries[i])); item->text(0) != text)
            item->setText(0, text);
        ShowColour(handle, entries[i].colour);
        if (const QString tip = codec.ToQt(ReasonsTip(outline, handle)); item->toolTip(0) != tip)
            item->setToolTip(0, tip);
    }
    if (!FilterText().isEmpty())
        ApplyFilter();
}

QString NavView::FilterText() const { return m_filterEdit->isVisible() ? m_filterEdit->text() : QString(); }

void NavView::SetFilterText(const QString& text)
{
    if (text.isEmpty()) {
        CloseFilter();
        return;
    }
    OpenFilter();
    m_filterEdit->setText(text);
    ApplyFilter();
}

void NavView::OpenFilter()
{
    if (m_filterEdit->isVisible())
        return;
    m_expandedBeforeFilter = ExpandedPaths();
    m_filterEdit->show();
    updateGeometries();
}

void NavView::updateGeometries()
{
    OwnTreeView::updateGeometries();
    // The find line takes room above the items rather than covering the
    // first; the header is hidden, so its margin is free.
    if (!m_filterEdit || !m_filterEdit->isVisible())
        return;
    const int height = m_filterEdit->sizeHint().height();
    m_filterEdit->setGeometry(frameWidth(), frameWidth(), width() - 2 * frameWidth(), height);
    setViewportMargins(0, height, 0, 0);
}

void NavView::ApplyFilter()
{
    const LinNetwork* network = m_document.Network();
    if (!network)
        return;
    const std::vector<bool> kept =
        ItemsMatchingFilter(m_document.Outline(), *network, m_document.Codec().FromQt(m_filterEdit->text()));
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (QTreeWidgetItem* item = ItemOf(static_cast<int>(i))) {
            item->setHidden(!kept[i]);
            item->setExpanded(kept[i] && !m_filterEdit->text().isEmpty());
        }
    }
    if (currentItem() && !currentItem()->isHidden())
        scrollToItem(currentItem());
    else
        scrollToTop();
}

void NavView::CloseFilter()
{
    if (!m_filterEdit->isVisible())
        return;
    m_filterEdit->hide();
    updateGeometries();
    m_filterEdit->clear();  // shows every item, all collapsed
    ExpandPaths(m_expandedBeforeFilter);
    if (QTreeWidgetItem* item = currentItem())
        Reveal(item);
    setFocus();
}

bool NavView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filterEdit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        CloseFilter();
        return true;
    }
    return OwnTreeView::eventFilter(watched, event);
}

void NavView::Reveal(QTreeWidgetItem* item)
{
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
}

void NavView::SelectEntity(const EntityRef& entity)
{
    CloseFilter();
    if (QTreeWidgetItem* item = ItemOf(FindOutlineItem(m_document.Outline(), entity)))
        Reveal(item);
}

bool NavView::SelectPath(const std::vector<std::string>& captions)
{
    QTreeWidgetItem* item = ItemOf(m_document.Outline().FindPath(captions));
    if (!item)
        return false;
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

void NavView::InitialUpdate()
{
    Build();
    if (m_shownBefore) {
        ShowCurrentItem();
        return;
    }
    m_shownBefore = true;
    SelectQuietly(nullptr);
}

void NavView::RefreshAfterChange()
{
    Build();
    ShowCurrentItem();
}

void NavView::ShowCurrentItem()
{
    if (QTreeWidgetItem* item = currentItem())
        AnnounceItem(item);
}

void NavView::ResetExpansion()
{
    collapseAll();
    SelectQuietly(topLevelItem(0));
}

int NavView::Depth() const
{
    const QTreeWidgetItem* item = currentItem();
    if (!item)
        return -1;
    int depth = 0;
    for (item = item->parent(); item; item = item->parent())
        ++depth;
    return depth;
}

QString NavView::TopText() const
{
    const QTreeWidgetItem* item = currentItem();
    while (item && item->parent())
        item = item->parent();
    return ItemText(item);
}

int NavView::SiblingIndex(const QTreeWidgetItem* item) const
{
    if (!item)
        return -1;
    return item->parent() ? item->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(item))
                          : indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

QString NavView::ParentText(const QTreeWidgetItem* item) { return item ? ItemText(item->parent()) : QString(); }

QString NavView::ItemText(const QTreeWidgetItem* item) { return item ? item->text(0) : QString(); }

QString NavView::PathText(const QTreeWidgetItem* item)
{
    QString path;
    for (; item; item = item->parent())
        path.prepend(item->text(0) + QLatin1String(kPathSeparator));
    return path;
}

std::vector<QTreeWidgetItem*> NavView::VisibleItems() const
{
    std::vector<QTreeWidgetItem*> visible;
    std::vector<QTreeWidgetItem*> pending;  // depth first, next item at the back
    for (int i = topLevelItemCount() - 1; i >= 0; --i)
        pending.push_back(topLevelItem(i));
    while (!pending.empty()) {
        QTreeWidgetItem* item = pending.back();
        pending.pop_back();
        visible.push_back(item);
        if (item->isExpanded())
            for (int i = item->childCount() - 1; i >= 0; --i)
                pending.push_back(item->child(i));
    }
    return visible;
}

void NavView::OnCurrentItemChanged(QTreeWidgetItem* current)
{
    if (!m_suppressSelection)
        AnnounceItem(current);
}

void NavView::OnContextMenu(const QPoint& pos)
{
    if (QTreeWidgetItem* item = itemAt(pos))
        setCurrentItem(item);
    const TreeItemRef selected = TreeItemRefOf(currentItem());
    std::optional<std::vector<Usage>> usages;
    if (selected.record && m_document.Network())
        usages = WhereUsed(*m_document.Network(), *selected.record);
    const auto menu = MakeTreeContextMenu(TreeMenuFor(selected), this, usages ? &*usages : nullptr);
    QAction* chosen = m_modals.menu(*menu, viewport()->mapToGlobal(pos));
    const int usage = UsageOf(chosen);
    if (usages && usage >= 0 && static_cast<std::size_t>(usage) < usages->size())
        SelectEntity((*usages)[static_cast<std::size_t>(usage)].record);
    else
        RunCommand(CommandOf(chosen));
}

void NavView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Find)) {
        OpenFilter();
        m_filterEdit->setFocus();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_filterEdit->isVisible()) {
        CloseFilter();
        return;
    }
    if (const int command = CommandOfKey(*event, TreeMenuFor(TreeItemRefOf(currentItem())))) {
        RunCommand(command);
        return;
    }
    OwnTreeView::keyPressEvent(event);
}

void NavView::RunCommand(int command)
{
    switch (command) {
    case kCommandAdd:
        AddForCurrentItem();
        break;
    case kCommandDelete:
        DeleteCurrentItem();
        break;
    case kCommandProperties:
        OpenSheetOf(currentItem());
        break;
    case kCommandExpandAll:
        expandAll();
        break;
    case kCommandCollapseAll:
        CollapseEveryItem();
        break;
    default:
        break;
    }
}

bool NavView::OpenSheet(const SheetRequest& request) { return m_document.RunSheet(request, m_modals.sheet, this); }

void NavView::AddForCurrentItem()
{
    const TreeItemRef selected = TreeItemRefOf(currentItem());
    // Add and its sheet are one step; a cancelled sheet leaves no trace.
    const std::optional<TreeItemRef> added = m_document.AddItem(selected, m_modals.sheet, this);
    if (QTreeWidgetItem* item = added ? FindTreeItem(*this, *added) : nullptr) {
        Reveal(item);
        setCurrentItem(item);
    }
}

void NavView::DeleteCurrentItem()
{
    const TreeItemRef selected = TreeItemRefOf(currentItem());
    const LinNetwork* network = m_document.Network();
    if (!network || !selected.record ||
        !ConfirmDeletion(*network, *selected.record, m_document.Codec(), m_modals.dialog, this))
        return;
    m_document.DeleteItem(selected);
}

void NavView::OpenSheetOf(QTreeWidgetItem* item)
{
    const LinNetwork* network = m_document.Network();
    if (!item || !network)
        return;
    // The rebuild after the sheet keeps the selected row.
    setCurrentItem(item);
    OpenSheet(TreePropertiesFor(*network, TreeItemRefOf(item)));
}

// The selection moves up to its top-level item rather than stay hidden.
void NavView::CollapseEveryItem()
{
    collapseAll();
    QTreeWidgetItem* top = currentItem();
    while (top && top->parent())
        top = top->parent();
    if (top != currentItem())
        setCurrentItem(top);
}

const OutlineItem* NavView::OutlineEntryOf(int item) const
{
    const std::vector<OutlineItem>& items = m_document.Outline().items;
    const bool known = item >= 0 && static_cast<std::size_t>(item) < items.size();
    return known ? &items[static_cast<std::size_t>(item)] : nullptr;
}

int NavView::GetItemColor(int item) const
{
    const OutlineItem* entry = OutlineEntryOf(item);
    return entry ? entry->colour : ItemMarks::kNoColour;
}

std::string NavView::GetItemMessages(int item) const { return m_document.Outline().ReasonsOf(item); }

void NavView::AnnounceItem(QTreeWidgetItem* item)
{
    const std::string reasons = GetItemMessages(HandleOf(item));
    Q_EMIT statusTextChanged(reasons.empty() ? QLatin1String(ui::Ready) : m_document.Codec().ToQt(reasons));
    if (!m_document.Network())
        return;
    Q_EMIT positionChanged(PathText(item));
    Q_EMIT itemShown(item);
}

void NavView::SelectQuietly(QTreeWidgetItem* item)
{
    m_suppressSelection = true;
    setCurrentItem(item);
    if (!item)
        clearSelection();
    m_suppressSelection = false;
}

// Paths of sibling indexes from the top level down, one per expanded item.
std::vector<std::vector<int>> NavView::ExpandedPaths() const
{
    std::vector<std::vector<int>> paths;
    std::vector<std::pair<QTreeWidgetItem*, std::vector<int>>> pending;
    for (int i = 0; i < topLevelItemCount(); ++i)
        pending.push_back({topLevelItem(i), {i}});
    while (!pending.empty()) {
        auto [item, path] = std::move(pending.back());
        pending.pop_back();
        if (!item->isExpanded())
            continue;
        for (int i = 0; i < item->childCount(); ++i) {
            std::vector<int> childPath = path;
            childPath.push_back(i);
            pending.push_back({item->child(i), std::move(childPath)});
        }
        paths.push_back(std::move(path));
    }
    return paths;
}

void NavView::ExpandPaths(const std::vector<std::vector<int>>& paths)
{
    for (const std::vector<int>& path : paths) {
        QTreeWidgetItem* item = path.empty() ? nullptr : topLevelItem(path.front());
        for (std::size_t step = 1; item && step < path.size(); ++step)
            item = item->child(path[step]);
        if (item)
            item->setExpanded(true);
    }
}

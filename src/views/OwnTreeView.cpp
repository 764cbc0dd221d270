#include "views/OwnTreeView.h"

#include "validation/ItemMarks.h"

namespace {

constexpr int kHandleRole = Qt::UserRole + 1;

// Mark colours are Windows colour values: red in the low byte, blue in the
// high one.
QColor FromColourValue(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

}  // namespace

OwnTreeView::OwnTreeView(QWidget* parent) : QTreeWidget(parent) {}

int OwnTreeView::HandleOf(const QTreeWidgetItem* item) const
{
    const QVariant handle = item ? item->data(0, kHandleRole) : QVariant();
    return handle.isValid() ? handle.toInt() : -1;
}

QTreeWidgetItem* OwnTreeView::ItemOf(int handle) const
{
    return handle >= 0 && static_cast<std::size_t>(handle) < m_items.size() ? m_items[static_cast<std::size_t>(handle)]
                                                                            : nullptr;
}

void OwnTreeView::ClearItems()
{
    m_items.clear();
    clear();
}

int OwnTreeView::RegisterItem(QTreeWidgetItem* item)
{
    const int handle = static_cast<int>(m_items.size());
    item->setData(0, kHandleRole, handle);
    m_items.push_back(item);
    return handle;
}

// The item delegate draws the foreground brush only for items that are not
// selected; selected items keep the selection colours. Black, the colour of
// an item that passed its check, is drawn in the palette's text colour so
// that it stays readable on a dark theme.
void OwnTreeView::ShowColour(int item, int colour)
{
    QTreeWidgetItem* treeItem = ItemOf(item);
    if (!treeItem)
        return;
    if (colour == ItemMarks::kNoColour || colour == ItemMarks::kBlack)
        treeItem->setData(0, Qt::ForegroundRole, QVariant());
    else
        treeItem->setForeground(0, FromColourValue(colour));
}

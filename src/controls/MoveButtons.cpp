#include "controls/MoveButtons.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

MoveButtons::MoveButtons(QTreeWidget* tree, QWidget* parent)
    : QWidget(parent), m_tree(tree), m_up(new QPushButton(tr("Move up"), this)),
      m_down(new QPushButton(tr("Move down"), this))
{
    m_up->setObjectName(QStringLiteral("moveUp"));
    m_down->setObjectName(QStringLiteral("moveDown"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
}

void MoveButtons::MoveCurrent(int step)
{
    QTreeWidgetItem* item = m_tree->currentItem();
    const int from = item ? m_tree->indexOfTopLevelItem(item) : -1;
    const int to = from + step;
    if (from < 0 || to < 0 || to >= m_tree->topLevelItemCount())
        return;
    {
        // The page hears of the item only once both rows agree again.
        const QSignalBlocker quiet(m_tree);
        m_tree->takeTopLevelItem(from);
        m_tree->insertTopLevelItem(to, item);
    }
    Q_EMIT Moved(from, to);
    m_tree->setCurrentItem(item);
}

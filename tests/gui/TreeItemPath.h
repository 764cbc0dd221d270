#pragma once

#include <QStringList>
#include <QTreeWidget>

// The item reached by following item texts from the top level of a tree
// ("Nodes", "Light"); null when a text is not found.
inline QTreeWidgetItem* FindItemByTexts(const QTreeWidget& tree, const QStringList& path)
{
    QTreeWidgetItem* found = nullptr;
    for (const QString& text : path) {
        const int count = found ? found->childCount() : tree.topLevelItemCount();
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < count && !next; ++i) {
            QTreeWidgetItem* candidate = found ? found->child(i) : tree.topLevelItem(i);
            if (candidate->text(0) == text)
                next = candidate;
        }
        if (!next)
            return nullptr;
        found = next;
    }
    return found;
}

#pragma once

#include <QTreeWidget>

class CDuvazadiDoc;
class NavView;

// The list right of the tree: the data of the item selected there, in
// columns. The navigation tree's selection clears it and then fills it for
// the new item.
class DataView : public QTreeWidget {
    Q_OBJECT

public:
    DataView(CDuvazadiDoc& document, NavView& navigation, QWidget* parent = nullptr);

    // Removes every row and every column.
    void Clear();
    // Shows the data of the navigation tree's item: chooses the columns and
    // adds the rows. Null shows nothing.
    virtual void Fill(QTreeWidgetItem* navItem);

protected:
    CDuvazadiDoc& m_document;
    NavView& m_navigation;
};

#include "views/DataView.h"

#include <QHeaderView>

DataView::DataView(CDuvazadiDoc& document, NavView& navigation, QWidget* parent)
    : QTreeWidget(parent), m_document(document), m_navigation(navigation)
{
    setObjectName(QStringLiteral("dataView"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(true);
    Clear();
}

void DataView::Clear()
{
    clear();
    setColumnCount(0);
}

// The rows of each kind of item come with the list's column layouts.
void DataView::Fill(QTreeWidgetItem*) {}

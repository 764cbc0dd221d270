#include "controls/CheckTree.h"

#include <QPushButton>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kUncheckAll = "Uncheck all";

}  // namespace

CheckTree::CheckTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setColumnCount(1);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { setCurrentItem(item); });
}

void CheckTree::SetItems(const QStringList& texts, const QStringList& checkedTexts)
{
    clear();
    for (const QString& text : texts)
        AddItem(text, checkedTexts.contains(text));
}

QTreeWidgetItem* CheckTree::AddItem(const QString& text, bool checked)
{
    auto* item = new QTreeWidgetItem(this, QStringList{text});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

bool CheckTree::IsChecked(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->checkState(0) == Qt::Checked;
}

QStringList CheckTree::CheckedTexts() const
{
    QStringList texts;
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (IsChecked(row))
            texts << topLevelItem(row)->text(0);
    return texts;
}

void CheckTree::UncheckAll()
{
    for (int row = 0; row < topLevelItemCount(); ++row)
        topLevelItem(row)->setCheckState(0, Qt::Unchecked);
}

QPushButton* CheckTree::MakeUncheckAllButton(QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(kUncheckAll), parent);
    button->setObjectName(QStringLiteral("uncheckAll"));
    connect(button, &QPushButton::clicked, this, &CheckTree::UncheckAll);
    return button;
}

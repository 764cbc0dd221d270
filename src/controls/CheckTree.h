#pragma once

#include <QTreeWidget>

class QPushButton;

// A flat list of texts with check boxes (the signals of a frame, the
// subscribers of a signal, ...). Clicking an item also selects it.
class CheckTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit CheckTree(QWidget* parent = nullptr);

    // Root items in the given order; an item is checked when its text is one
    // of the checked texts.
    void SetItems(const QStringList& texts, const QStringList& checkedTexts = {});
    QTreeWidgetItem* AddItem(const QString& text, bool checked);

    bool IsChecked(int row) const;
    // The texts of the checked items, in tree order.
    QStringList CheckedTexts() const;
    void UncheckAll();

    // An "Uncheck all" button bound to this tree.
    QPushButton* MakeUncheckAllButton(QWidget* parent);
};

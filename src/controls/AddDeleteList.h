#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

// A list with an Add button (an arrow into the list) and a Delete button (a
// cross), both with hover tips. Add only announces itself, the page decides
// what to add; Delete (the button or the key in the list) removes the
// selected item, tells the page which row it
// was and selects the item now at that position, or the last one.
class AddDeleteList : public QWidget {
    Q_OBJECT

public:
    AddDeleteList(const QString& addTip, const QString& deleteTip, QWidget* parent = nullptr);

    QListWidget* List() const { return m_list; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* DeleteButton() const { return m_delete; }

    // Replaces the items; selects the row given, none for -1.
    void SetItems(const QStringList& texts, int selectedRow = -1);
    QStringList Items() const;
    // Deletes the selected item as the Delete button does; nothing without a
    // selection.
    void DeleteSelected();

Q_SIGNALS:
    void AddClicked();
    void Deleted(int row);

private:
    QListWidget* m_list;
    QPushButton* m_add;
    QPushButton* m_delete;
};

#pragma once

#include <QWidget>

class QPushButton;
class QTreeWidget;

// "Move up" and "Move down" for the current item of a flat tree whose order
// counts. The item keeps its check state and stays current; Moved tells
// the page the rows so that it can move what it keeps beside the items.
class MoveButtons : public QWidget {
    Q_OBJECT

public:
    MoveButtons(QTreeWidget* tree, QWidget* parent = nullptr);

    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }

    // Moves the current item one place; nothing at either end.
    void MoveCurrent(int step);

Q_SIGNALS:
    void Moved(int from, int to);

private:
    QTreeWidget* m_tree;
    QPushButton* m_up;
    QPushButton* m_down;
};

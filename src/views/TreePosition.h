#pragma once

#include <QFrame>

class QLabel;

// The one-line pane above the data list: where the selected tree item
// stands, as a path of item texts ("Signals / S1 / "). Longer paths are cut
// off at the right edge; the pane never scrolls.
class TreePosition : public QFrame {
    Q_OBJECT

public:
    explicit TreePosition(QWidget* parent = nullptr);

    void SetPath(const QString& text);
    QString Path() const;

private:
    QLabel* m_path;
};

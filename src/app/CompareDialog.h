#pragma once

#include "compare/NetworkDiff.h"

#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;
class TextCodec;

// "Compare with...": the differences between the open network and another
// file, one line each, under a line per file saying which side it is. Choosing a line hands its tree path to the
// chooser, which selects the item in the tree. Reads nothing but the differences.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    using PathChooser = std::function<void(const std::vector<std::string>& path)>;

    // openName is how the open network's file is called.
    CompareDialog(std::vector<Difference> differences, const QString& openName, const QString& otherFile,
                  const TextCodec& codec, PathChooser choosePath, QWidget* parent = nullptr);

private:
    void OnDifferenceChosen(int row);

    std::vector<Difference> m_differences;
    PathChooser m_choosePath;
    QListWidget* m_list;
};

#pragma once

#include <QAbstractScrollArea>

#include <functional>

// A read-only view of a text of any length, line by line: it is given the
// number of lines and a function that makes a line's text, and asks for the
// texts of the lines it draws or copies only. Whole lines are selected, by
// the program or with the mouse; Ctrl+C copies the selected lines.
class FileTextView : public QAbstractScrollArea {
    Q_OBJECT

public:
    using LineText = std::function<QString(int line)>;

    explicit FileTextView(QWidget* parent = nullptr);

    // Shows lineCount lines (numbered from 0); longest is the number of
    // characters of the longest one, which sets the horizontal scroll range.
    void SetLines(int lineCount, int longest, LineText lineText);

    // Selects the line and scrolls it into view; a line the text does not
    // have clears the selection and shows the first line.
    void SelectLine(int line);
    // The first selected line; -1 when nothing is selected.
    int SelectedLine() const;
    // The selected lines, joined by line feeds.
    QString SelectedText() const;
    void CopySelection() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int LineHeight() const;
    int VisibleLines() const;
    int LineAt(int y) const;
    void UpdateScrollRanges();
    void Select(int anchor, int current);

    int m_lineCount = 0;
    int m_longest = 0;
    LineText m_lineText;
    int m_anchor = -1;  // the selection runs from the anchor line to the current line
    int m_current = -1;
};

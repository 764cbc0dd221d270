#include "controls/FileTextView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextOption>

#include <algorithm>

namespace {

constexpr int kMargin = 4;              // pixels left of the text
constexpr int kTabColumns = 8;          // a tab stop every eight characters
constexpr int kWidestPixels = 1 << 24;  // the scroll range stays within int for any line

}  // namespace

FileTextView::FileTextView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
}

void FileTextView::SetLines(int lineCount, int longest, LineText lineText)
{
    m_lineCount = std::max(lineCount, 0);
    m_longest = std::max(longest, 0);
    m_lineText = std::move(lineText);
    m_anchor = m_current = -1;
    UpdateScrollRanges();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void FileTextView::SelectLine(int line)
{
    if (line < 0 || line >= m_lineCount) {
        Select(-1, -1);
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
        return;
    }
    Select(line, line);
    QScrollBar& scroll = *verticalScrollBar();
    if (line < scroll.value())
        scroll.setValue(line);
    else if (line >= scroll.value() + VisibleLines())
        scroll.setValue(line - VisibleLines() + 1);
    horizontalScrollBar()->setValue(0);
}

int FileTextView::SelectedLine() const { return m_anchor < 0 ? -1 : std::min(m_anchor, m_current); }

QString FileTextView::SelectedText() const
{
    if (m_anchor < 0 || !m_lineText)
        return {};
    QStringList lines;
    for (int line = std::min(m_anchor, m_current); line <= std::max(m_anchor, m_current); ++line)
        lines << m_lineText(line);
    return lines.join(QLatin1Char('\n'));
}

void FileTextView::CopySelection() const
{
    if (m_anchor >= 0)
        QGuiApplication::clipboard()->setText(SelectedText());
}

void FileTextView::paintEvent(QPaintEvent*)
{
    if (!m_lineText)
        return;
    QPainter painter(viewport());
    const int height = LineHeight();
    const int first = verticalScrollBar()->value();
    const int last = std::min(m_lineCount, first + VisibleLines() + 1);
    const int x = kMargin - horizontalScrollBar()->value();
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kTabColumns * fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    const int low = std::min(m_anchor, m_current);
    const int high = std::max(m_anchor, m_current);
    for (int line = first; line < last; ++line) {
        const QRect row(0, (line - first) * height, viewport()->width(), height);
        const bool selected = m_anchor >= 0 && line >= low && line <= high;
        if (selected)
            painter.fillRect(row, palette().highlight());
        painter.setPen(selected ? palette().highlightedText().color() : palette().text().color());
        painter.drawText(QRectF(x, row.top(), kWidestPixels, height), m_lineText(line), option);
    }
}

void FileTextView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void FileTextView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int line = LineAt(event->position().toPoint().y());
    if (line < 0)
        return;
    const bool extend = (event->modifiers() & Qt::ShiftModifier) && m_anchor >= 0;
    Select(extend ? m_anchor : line, line);
}

void FileTextView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_anchor < 0)
        return;
    const int y = std::clamp(event->position().toPoint().y(), 0, viewport()->height() - 1);
    if (const int line = LineAt(y); line >= 0)
        Select(m_anchor, line);
}

void FileTextView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

int FileTextView::LineHeight() const { return std::max(fontMetrics().lineSpacing(), 1); }

int FileTextView::VisibleLines() const { return std::max(viewport()->height() / LineHeight(), 1); }

int FileTextView::LineAt(int y) const
{
    const int line = verticalScrollBar()->value() + y / LineHeight();
    return line >= 0 && line < m_lineCount ? line : -1;
}

void FileTextView::UpdateScrollRanges()
{
    QScrollBar& vertical = *verticalScrollBar();
    vertical.setRange(0, std::max(m_lineCount - VisibleLines(), 0));
    vertical.setPageStep(VisibleLines());
    vertical.setSingleStep(1);
    const int charWidth = std::max(fontMetrics().horizontalAdvance(QLatin1Char('M')), 1);
    const int widest = std::min(m_longest, kWidestPixels / charWidth) * charWidth + 2 * kMargin;
    QScrollBar& horizontal = *horizontalScrollBar();
    horizontal.setRange(0, std::max(widest - viewport()->width(), 0));
    horizontal.setPageStep(viewport()->width());
    horizontal.setSingleStep(charWidth);
}

void FileTextView::Select(int anchor, int current)
{
    m_anchor = anchor;
    m_current = current;
    viewport()->update();
}

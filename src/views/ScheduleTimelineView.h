#pragma once

#include "validation/ScheduleTiming.h"

#include <QWidget>

// The selected schedule table's cycle drawn to scale from left to right:
// each entry a slot as long as its delay, the frame inside it from the
// slot's start (dark for the nominal time, lighter up to the maximum), the
// rest of the slot its headroom. A slot shorter than its frame's maximum
// time is red. A time axis in ms runs below the slots, the cycle time and
// bus load are written under it, and resting the pointer on a slot shows
// its frame, delay, frame time and headroom.
class ScheduleTimelineView : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleTimelineView(QWidget* parent = nullptr);

    void SetTiming(TableTiming timing);
    const TableTiming& Timing() const { return m_timing; }
    // The slot of an entry and the frame's maximum time inside it.
    QRectF SlotRect(int entry) const;
    QRectF FrameRect(int entry, bool maximum) const;
    // The entry whose slot holds the point; -1 for none.
    int EntryAt(const QPointF& point) const;
    QString ToolTipAt(const QPointF& point) const;
    // The distance between the axis's ticks: 1, 2 or 5 times a power of ten
    // ms, the smallest that keeps the ticks at most maxTicks over the
    // cycle; 0 for an empty cycle.
    static double AxisStepMs(double cycleMs, int maxTicks);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    double PixelsPerMs() const;
    double SlotStartMs(int entry) const;
    void PaintAxis(QPainter& painter) const;

    TableTiming m_timing;
};

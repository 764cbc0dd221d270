#pragma once

#include "validation/ScheduleTiming.h"

#include <QWidget>

// The selected schedule table's cycle drawn to scale from left to right:
// each entry a slot as long as its delay, the frame inside it from the
// slot's start (dark for the nominal time, lighter up to the maximum), the
// rest of the slot its headroom. A slot shorter than its frame's maximum
// time is red. The cycle time and bus load are written below.
class ScheduleTimelineView : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleTimelineView(QWidget* parent = nullptr);

    void SetTiming(TableTiming timing);
    const TableTiming& Timing() const { return m_timing; }
    // The slot of an entry and the frame's maximum time inside it.
    QRectF SlotRect(int entry) const;
    QRectF FrameRect(int entry, bool maximum) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double PixelsPerMs() const;
    double SlotStartMs(int entry) const;

    TableTiming m_timing;
};

#include "views/ScheduleTimelineView.h"

#include "views/PictureColours.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kLabelHeight = 18;
constexpr int kSlotHeight = 36;
constexpr int kFigureHeight = 20;
constexpr int kMinimumWidth = 400;

}  // namespace

ScheduleTimelineView::ScheduleTimelineView(QWidget* parent) : QWidget(parent)
{
    picture::PrepareCanvas(*this, QStringLiteral("scheduleTimelineView"));
}

void ScheduleTimelineView::SetTiming(TableTiming timing)
{
    m_timing = std::move(timing);
    update();
}

QSize ScheduleTimelineView::sizeHint() const
{
    return QSize(kMinimumWidth, 2 * kMargin + kLabelHeight + kSlotHeight + kFigureHeight);
}

double ScheduleTimelineView::PixelsPerMs() const
{
    const double width = std::max(1, this->width() - 2 * kMargin);
    return m_timing.cycleMs > 0.0 ? width / m_timing.cycleMs : 0.0;
}

double ScheduleTimelineView::SlotStartMs(int entry) const
{
    double start = 0.0;
    for (int i = 0; i < entry; ++i)
        start += std::max(0.0, m_timing.entries[static_cast<std::size_t>(i)].delayMs);
    return start;
}

QRectF ScheduleTimelineView::SlotRect(int entry) const
{
    const EntryTiming& timing = m_timing.entries[static_cast<std::size_t>(entry)];
    const double scale = PixelsPerMs();
    return QRectF(kMargin + SlotStartMs(entry) * scale, kMargin + kLabelHeight, std::max(0.0, timing.delayMs) * scale,
                  kSlotHeight);
}

QRectF ScheduleTimelineView::FrameRect(int entry, bool maximum) const
{
    const EntryTiming& timing = m_timing.entries[static_cast<std::size_t>(entry)];
    const QRectF slot = SlotRect(entry);
    const double frameMs = maximum ? timing.maximumMs : timing.nominalMs;
    // A frame longer than its slot is drawn to the slot's end; the red says the rest.
    const double width = std::min(slot.width(), frameMs * PixelsPerMs());
    return QRectF(slot.left(), slot.top() + kSlotHeight / 4.0, width, kSlotHeight / 2.0);
}

void ScheduleTimelineView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = painter.fontMetrics();
    for (int i = 0; i < static_cast<int>(m_timing.entries.size()); ++i) {
        const EntryTiming& entry = m_timing.entries[static_cast<std::size_t>(i)];
        const QRectF slot = SlotRect(i);
        const bool tooShort = entry.known && entry.delayMs < entry.maximumMs;
        const QColor colour = tooShort ? picture::CheckRed() : picture::BandColour(i);
        painter.fillRect(slot, picture::FreeColour());
        if (entry.known) {
            painter.fillRect(FrameRect(i, true), colour);
            painter.fillRect(FrameRect(i, false), colour.darker(130));
        }
        painter.setPen(picture::GridColour());
        painter.drawRect(slot.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Text));
        const QRectF label(slot.left() + 2, kMargin, slot.width() - 4, kLabelHeight);
        painter.drawText(
            label, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(QString::fromStdString(entry.text), Qt::ElideRight, static_cast<int>(label.width())));
    }
    painter.setPen(palette().color(QPalette::Text));
    const QString figures = tr("Cycle %1 ms, bus load %2 % nominal, %3 % maximum")
                                .arg(QString::fromStdString(FormatMs(m_timing.cycleMs)),
                                     QString::fromStdString(FormatMs(m_timing.nominalLoadPercent)),
                                     QString::fromStdString(FormatMs(m_timing.maximumLoadPercent)));
    painter.drawText(QRect(kMargin, kMargin + kLabelHeight + kSlotHeight, width() - 2 * kMargin, kFigureHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, figures);
}

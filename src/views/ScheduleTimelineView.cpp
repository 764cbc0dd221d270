#include "views/ScheduleTimelineView.h"

#include "editing/HoverTexts.h"
#include "views/PictureColours.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 8;
constexpr int kLabelHeight = 18;
constexpr int kSlotHeight = 36;
constexpr int kFigureHeight = 20;
constexpr int kAxisHeight = 22;
constexpr int kTickLength = 4;
constexpr int kMinimumWidth = 400;
constexpr int kPixelsPerTick = 60;  // room for a tick's label

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
    return QSize(kMinimumWidth, 2 * kMargin + kLabelHeight + kSlotHeight + kAxisHeight + kFigureHeight);
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

int ScheduleTimelineView::EntryAt(const QPointF& point) const
{
    for (int i = 0; i < static_cast<int>(m_timing.entries.size()); ++i)
        if (SlotRect(i).contains(point))
            return i;
    return -1;
}

QString ScheduleTimelineView::ToolTipAt(const QPointF& point) const
{
    const int entry = EntryAt(point);
    return entry >= 0 ? QString::fromStdString(SlotTip(m_timing.entries[static_cast<std::size_t>(entry)])) : QString();
}

double ScheduleTimelineView::AxisStepMs(double cycleMs, int maxTicks)
{
    if (!(cycleMs > 0.0) || maxTicks < 1)
        return 0.0;
    const double rough = cycleMs / maxTicks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough)
            return factor * power;
    return 10.0 * power;
}

bool ScheduleTimelineView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    picture::ShowTip(*this, *static_cast<QHelpEvent*>(event), [this](const QPoint& point) { return ToolTipAt(point); });
    return true;
}

void ScheduleTimelineView::PaintAxis(QPainter& painter) const
{
    const double scale = PixelsPerMs();
    const double step = AxisStepMs(m_timing.cycleMs, std::max(1, (width() - 2 * kMargin) / kPixelsPerTick));
    const int top = kMargin + kLabelHeight + kSlotHeight;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(QPointF(kMargin, top), QPointF(kMargin + m_timing.cycleMs * scale, top));
    if (!(step > 0.0))
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    // The ticks are counted, not summed, so that no rounding adds a tick.
    const int ticks = static_cast<int>(std::floor(m_timing.cycleMs / step + 1e-9));
    for (int i = 0; i <= ticks; ++i) {
        const double ms = i * step;
        const double x = kMargin + ms * scale;
        painter.drawLine(QPointF(x, top), QPointF(x, top + kTickLength));
        const QString label = QString::number(ms, 'g', 6) + (i == 0 ? tr(" ms") : QString());
        const int labelWidth = metrics.horizontalAdvance(label);
        // The last labels stay inside the picture.
        const double left = std::min(x - (i == 0 ? 0 : labelWidth / 2.0), double(width() - labelWidth));
        painter.drawText(QRectF(left, top + kTickLength, labelWidth, kAxisHeight - kTickLength),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
    }
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
    PaintAxis(painter);
    painter.setPen(palette().color(QPalette::Text));
    const QString figures = tr("Cycle %1 ms, bus load %2 % nominal, %3 % maximum")
                                .arg(QString::fromStdString(FormatMs(m_timing.cycleMs)),
                                     QString::fromStdString(FormatMs(m_timing.nominalLoadPercent)),
                                     QString::fromStdString(FormatMs(m_timing.maximumLoadPercent)));
    painter.drawText(
        QRect(kMargin, kMargin + kLabelHeight + kSlotHeight + kAxisHeight, width() - 2 * kMargin, kFigureHeight),
        Qt::AlignLeft | Qt::AlignVCenter, figures);
}

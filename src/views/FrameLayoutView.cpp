#include "views/FrameLayoutView.h"

#include "editing/HoverTexts.h"
#include "views/PictureColours.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kBits = 8;
constexpr int kCellWidth = 56;
constexpr int kCellHeight = 26;
constexpr int kMargin = 6;
constexpr int kLabelWidth = 50;  // "Byte 0"
constexpr int kHeaderHeight = 18;

}  // namespace

FrameLayoutView::FrameLayoutView(QWidget* parent) : QWidget(parent)
{
    picture::PrepareCanvas(*this, QStringLiteral("frameLayoutView"));
}

void FrameLayoutView::SetLayout(FrameLayout layout)
{
    m_layout = std::move(layout);
    m_values.clear();
    updateGeometry();
    update();
}

void FrameLayoutView::SetValues(std::vector<std::string> values)
{
    m_values = std::move(values);
    update();
}

QString FrameLayoutView::BandLabel(const LayoutBand& band) const
{
    const QString name = QString::fromStdString(band.signal);
    const auto position = static_cast<std::size_t>(band.position);
    if (band.position < 0 || position >= m_values.size() || m_values[position].empty())
        return name;
    return name + QStringLiteral(" = ") + QString::fromStdString(m_values[position]);
}

QString FrameLayoutView::Notice() const
{
    return m_layout.lengthWrong ? QString::fromLatin1(kFrameSizeWrong) : QString();
}

QRect FrameLayoutView::CellRect(int byte, int bit) const
{
    return QRect(kMargin + kLabelWidth + (kBits - 1 - bit) * kCellWidth, kMargin + kHeaderHeight + byte * kCellHeight,
                 kCellWidth, kCellHeight);
}

QSize FrameLayoutView::sizeHint() const
{
    return QSize(2 * kMargin + kLabelWidth + kBits * kCellWidth,
                 2 * kMargin + kHeaderHeight + std::max(m_layout.rows, 1) * kCellHeight);
}

void FrameLayoutView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    if (const QString notice = Notice(); !notice.isEmpty()) {
        painter.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::AlignTop | Qt::AlignLeft, notice);
        return;
    }
    for (int bit = 0; bit < kBits; ++bit) {
        const QRect cell = CellRect(0, bit);
        painter.drawText(QRect(cell.left(), kMargin, cell.width(), kHeaderHeight), Qt::AlignCenter,
                         QString::number(bit));
    }
    for (int byte = 0; byte < m_layout.rows; ++byte) {
        const QRect first = CellRect(byte, kBits - 1);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(kMargin, first.top(), kLabelWidth, kCellHeight), Qt::AlignVCenter | Qt::AlignLeft,
                         tr("Byte %1").arg(byte));
        for (int bit = kBits - 1; bit >= 0; --bit) {
            const LayoutCell& cell = m_layout.Cell(byte, bit);
            const QColor fill = m_layout.IsRed(cell) ? picture::CheckRed()
                                : cell.band >= 0     ? picture::BandColour(cell.band)
                                                     : picture::FreeColour();
            painter.fillRect(CellRect(byte, bit), fill);
            painter.setPen(picture::GridColour());
            painter.drawRect(CellRect(byte, bit).adjusted(0, 0, -1, -1));
        }
        // Each run of a band's bits in this row carries the signal's name.
        for (int bit = kBits - 1; bit >= 0;) {
            const int band = m_layout.Cell(byte, bit).band;
            int low = bit;
            while (low > 0 && m_layout.Cell(byte, low - 1).band == band)
                --low;
            if (band >= 0) {
                const QRect run = CellRect(byte, bit).united(CellRect(byte, low)).adjusted(2, 0, -2, 0);
                painter.setPen(Qt::black);
                const QString label = BandLabel(m_layout.bands[static_cast<std::size_t>(band)]);
                painter.drawText(run, Qt::AlignCenter,
                                 painter.fontMetrics().elidedText(label, Qt::ElideRight, run.width()));
            }
            bit = low - 1;
        }
    }
}

int FrameLayoutView::BandAt(const QPoint& point) const
{
    for (int byte = 0; byte < m_layout.rows; ++byte)
        for (int bit = 0; bit < kBits; ++bit)
            if (CellRect(byte, bit).contains(point))
                return m_layout.Cell(byte, bit).band;
    return -1;
}

QString FrameLayoutView::ToolTipAt(const QPoint& point) const
{
    const int band = BandAt(point);
    return band >= 0 ? QString::fromStdString(BandTip(m_layout.bands[static_cast<std::size_t>(band)])) : QString();
}

void FrameLayoutView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int band = BandAt(event->position().toPoint());
    if (band >= 0) {
        Q_EMIT bandActivated(m_layout.bands[static_cast<std::size_t>(band)].position);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

bool FrameLayoutView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    picture::ShowTip(*this, *static_cast<QHelpEvent*>(event), [this](const QPoint& point) { return ToolTipAt(point); });
    return true;
}

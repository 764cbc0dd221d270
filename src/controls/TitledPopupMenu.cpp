#include "controls/TitledPopupMenu.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QStyle>
#include <QWidgetAction>

namespace {

constexpr int kTitlePadding = 4;
constexpr int kHeadingPadding = 2;
// Beyond the width of a check mark: the strip is wider by 10 pixels, the
// text starts 8 pixels after it.
constexpr int kExtraWidth = 10;
constexpr int kTextIndent = 8;
// How far the right end of the strip fades from the highlight to the base colour.
constexpr double kFade = 0.55;

QColor Mix(const QColor& from, const QColor& to, double share)
{
    auto channel = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

}  // namespace

CaptionColours CaptionColours::FromPalette(const QPalette& palette)
{
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    return CaptionColours{highlight, Mix(highlight, base, kFade),
                          palette.color(QPalette::Active, QPalette::HighlightedText)};
}

CaptionStrip::CaptionStrip(const QString& text, Kind kind, QWidget* parent)
    : QWidget(parent), m_text(text), m_kind(kind)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QFont CaptionStrip::CaptionFont() const
{
    QFont font = QApplication::font("QMenu");
    font.setBold(true);
    return font;
}

int CaptionStrip::CheckMarkWidth() const { return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this); }

QSize CaptionStrip::sizeHint() const
{
    const QFontMetrics metrics(CaptionFont());
    const int padding = m_kind == Kind::Title ? kTitlePadding : kHeadingPadding;
    return QSize(metrics.horizontalAdvance(m_text) + CheckMarkWidth() + kExtraWidth, metrics.height() + padding);
}

void CaptionStrip::paintEvent(QPaintEvent*)
{
    const CaptionColours colours = CaptionColours::FromPalette(palette());
    QPainter painter(this);
    const QRect area = rect();
    if (colours.left == colours.right) {
        painter.fillRect(area, colours.left);
    } else {
        QLinearGradient gradient(area.topLeft(), area.topRight());
        gradient.setColorAt(0.0, colours.left);
        gradient.setColorAt(1.0, colours.right);
        painter.fillRect(area, gradient);
    }
    painter.setFont(CaptionFont());
    painter.setPen(colours.text);
    const QRect textArea = area.adjusted(CheckMarkWidth() + kTextIndent, 0, 0, 0);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
}

TitledPopupMenu::TitledPopupMenu(const QString& title, QWidget* parent) : QMenu(title, parent)
{
    m_title = new CaptionStrip(title, CaptionStrip::Kind::Title, this);
    addAction(MakeStripAction(m_title));
}

QAction* TitledPopupMenu::AddHeading(const QString& text)
{
    QAction* heading = MakeStripAction(new CaptionStrip(text, CaptionStrip::Kind::Heading, this));
    addAction(heading);
    return heading;
}

QAction* TitledPopupMenu::MakeStripAction(CaptionStrip* strip)
{
    auto* action = new QWidgetAction(this);
    action->setDefaultWidget(strip);
    action->setText(strip->Text());
    action->setEnabled(false);
    return action;
}

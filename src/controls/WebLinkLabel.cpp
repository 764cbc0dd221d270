#include "controls/WebLinkLabel.h"

#include "gui/AppTexts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>

namespace {

const QColor kLinkColour(0, 0, 238);
const QColor kVisitedColour(85, 26, 139);
const QColor kHoverColour(255, 0, 0);

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kUnableToOpen = "Unable to open hyperlink:\n\n";
const char* const kUnknownError = "Unknown Error (%1) occurred.";

struct ResultText {
    int result;
    const char* text;
};

const ResultText kResultTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

WebLinkLabel::WebLinkLabel(const QString& target, const QString& caption, QWidget* parent)
    : QLabel(parent), m_target(target.isEmpty() ? caption : target), m_opener(&QDesktopServices::openUrl)
{
    setText(caption.isEmpty() ? m_target : caption);
    setTextFormat(Qt::PlainText);
    setToolTip(m_target);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    UpdateLook();
}

QColor WebLinkLabel::CurrentColour() const
{
    if (m_hovered)
        return kHoverColour;
    return m_visited ? kVisitedColour : kLinkColour;
}

void WebLinkLabel::OpenTarget()
{
    const QUrl url = QUrl::fromUserInput(m_target);
    if (m_opener(url)) {
        m_visited = true;
        UpdateLook();
        return;
    }
    const bool missingFile = url.isLocalFile() && !QFileInfo::exists(url.toLocalFile());
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QLatin1String(ui::AppTitle),
                    FailureText(missingFile ? kFileNotFound : kNoAssociation), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("linkFailureBox"));
    m_runner(box);
}

QString WebLinkLabel::FailureText(int result)
{
    for (const ResultText& entry : kResultTexts)
        if (entry.result == result)
            return QLatin1String(kUnableToOpen) + QLatin1String(entry.text);
    return QLatin1String(kUnableToOpen) + QString::fromLatin1(kUnknownError).arg(result);
}

void WebLinkLabel::enterEvent(QEnterEvent* event)
{
    SetHovered(true);
    QLabel::enterEvent(event);
}

void WebLinkLabel::leaveEvent(QEvent* event)
{
    SetHovered(false);
    QLabel::leaveEvent(event);
}

void WebLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        OpenTarget();
    QLabel::mouseReleaseEvent(event);
}

void WebLinkLabel::SetHovered(bool hovered)
{
    m_hovered = hovered;
    UpdateLook();
}

void WebLinkLabel::UpdateLook()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, CurrentColour());
    setPalette(colours);
    QFont linkFont = font();
    linkFont.setUnderline(m_hovered && pixmap().isNull());
    setFont(linkFont);
}

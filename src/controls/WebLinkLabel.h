#pragma once

#include "gui/DialogRunner.h"

#include <QLabel>
#include <QUrl>

#include <functional>

// A label that is a web link: blue, purple once visited, red and (for a
// text) underlined while the pointer is over it, with a hand cursor and the
// target as its tooltip. A click opens the target; a failure beeps and says
// why in a message box.
class WebLinkLabel : public QLabel {
    Q_OBJECT

public:
    // Opens a link and says whether that worked; the editor passes
    // QDesktopServices::openUrl.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // Reasons a link could not be opened, numbered as the error texts are.
    static constexpr int kFileNotFound = 2;
    static constexpr int kNoAssociation = 31;

    // The caption becomes the target when the target is empty, and the
    // target the caption when the caption is empty.
    WebLinkLabel(const QString& target, const QString& caption, QWidget* parent = nullptr);

    void SetUrlOpener(UrlOpener opener) { m_opener = std::move(opener); }
    void SetDialogRunner(DialogRunner runner) { m_runner = std::move(runner); }

    QString Target() const { return m_target; }
    bool IsVisited() const { return m_visited; }
    bool IsHovered() const { return m_hovered; }
    QColor CurrentColour() const;

    // Opens the target, as a click does.
    void OpenTarget();

    // "Unable to open hyperlink:", a blank line, and the text for the result.
    static QString FailureText(int result);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetHovered(bool hovered);
    void UpdateLook();

    QString m_target;
    bool m_visited = false;
    bool m_hovered = false;
    UrlOpener m_opener;
    DialogRunner m_runner = ExecDialog;
};

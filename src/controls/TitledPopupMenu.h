#pragma once

#include <QColor>
#include <QMenu>
#include <QWidget>

class QPalette;

// The colours of a caption strip: a horizontal gradient from left to right
// with the text on top, as an active window's caption bar is drawn. Taken
// from the palette's highlight, fading towards the base colour; where the
// two are the same colour the strip is flat.
struct CaptionColours {
    QColor left;
    QColor right;
    QColor text;

    static CaptionColours FromPalette(const QPalette& palette);
};

// A strip with a bold caption: the title of a popup menu, or the heading of
// a group of entries in a chooser.
class CaptionStrip : public QWidget {
    Q_OBJECT

public:
    enum class Kind {
        Title,    // the text height plus 4 pixels
        Heading,  // the text height plus 2 pixels
    };

    CaptionStrip(const QString& text, Kind kind, QWidget* parent = nullptr);

    QString Text() const { return m_text; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont CaptionFont() const;
    int CheckMarkWidth() const;

    QString m_text;
    Kind m_kind;
};

// The popup menu of every context menu and Add chooser: its first entry is
// a caption strip with the title, disabled and never selectable. Callers
// add their entries below it (a separator first) and may add headings.
class TitledPopupMenu : public QMenu {
    Q_OBJECT

public:
    explicit TitledPopupMenu(const QString& title, QWidget* parent = nullptr);

    // The caption strip at the top.
    CaptionStrip* TitleStrip() const { return m_title; }
    // Appends a heading strip, disabled like the title.
    QAction* AddHeading(const QString& text);

private:
    QAction* MakeStripAction(CaptionStrip* strip);

    CaptionStrip* m_title = nullptr;
};

#pragma once

#include <QColor>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

// What the layout and timeline pictures share: their colours, canvas and
// hover tips.
namespace picture {

// The red of the tree's failed checks.
inline QColor CheckRed() { return QColor(255, 0, 0); }
// A light colour per band or slot, hues spread so that neighbours differ;
// none of them is red.
inline QColor BandColour(int index) { return QColor::fromHsv(60 + (index * 67) % 270, 90, 240); }
inline QColor FreeColour() { return QColor(250, 250, 250); }
inline QColor GridColour() { return QColor(150, 150, 150); }

// Names the picture and gives it the background of a list.
inline void PrepareCanvas(QWidget& widget, const QString& name)
{
    widget.setObjectName(name);
    widget.setBackgroundRole(QPalette::Base);
    widget.setAutoFillBackground(true);
}

// Answers the widget's tooltip event with the tip for the point it names;
// an empty tip hides the one shown.
template <typename TipAt> void ShowTip(QWidget& widget, const QHelpEvent& help, TipAt tipAt)
{
    const QString tip = tipAt(help.pos());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help.globalPos(), tip, &widget);
}

}  // namespace picture

#pragma once

#include "validation/FrameLayout.h"

#include <QWidget>

// The bytes and bits of the selected frame: one row per byte (byte 0 on
// top), bit 7 on the left and bit 0 on the right, each signal a labelled
// band in its own colour. Bits beyond the frame's length and bits of two
// signals are red. With values set (the "Data" field above it), each band
// shows its signal's value beside the name. A double-click on a band asks
// for that signal's offset sheet; resting the pointer on it shows the
// signal's full name, offset and size.
class FrameLayoutView : public QWidget {
    Q_OBJECT

public:
    explicit FrameLayoutView(QWidget* parent = nullptr);

    // A new layout shows no values.
    void SetLayout(FrameLayout layout);
    // By position in the frame's signal list; an empty list shows none.
    void SetValues(std::vector<std::string> values);
    // "Temp = 10 degC", or the name alone without a value.
    QString BandLabel(const LayoutBand& band) const;
    const FrameLayout& Layout() const { return m_layout; }
    // What the picture says in place of the bits: the checks' reason for a
    // length it cannot draw; empty when it draws them.
    QString Notice() const;
    // The rectangle of a bit's cell in widget coordinates.
    QRect CellRect(int byte, int bit) const;
    // The band drawn at a point; -1 over a free bit or outside the bytes.
    int BandAt(const QPoint& point) const;
    // What the pointer shows over a point: the band's signal, offset and
    // size; empty elsewhere.
    QString ToolTipAt(const QPoint& point) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // The band's signal at this position in the frame's signal list.
    void bandActivated(int signalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    FrameLayout m_layout;
    std::vector<std::string> m_values;
};

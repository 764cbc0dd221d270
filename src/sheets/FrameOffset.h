#pragma once

#include "editing/FrameForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class ChoiceBox;
class QCheckBox;
class QLineEdit;

// The "Signal position" page: one signal of a frame, its offset and whether
// the frame's signals are reordered around it.
class FrameOffset : public QWidget {
    Q_OBJECT

public:
    FrameOffset(const LinNetwork& network, int frame, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const FrameOffsetForm& form);
    void ReadInto(FrameOffsetForm& form) const;

private:
    const TextCodec& m_codec;
    QLineEdit* m_name;
    ChoiceBox* m_offset;
    QCheckBox* m_reorder;
};

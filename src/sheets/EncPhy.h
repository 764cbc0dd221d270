#pragma once

#include "editing/EncodingForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class DecimalEdit;
class DigitsEdit;
class QLineEdit;

// The "Physical properties" page of an encoding value: its range, scale,
// offset and text.
class EncPhy : public QWidget {
    Q_OBJECT

public:
    EncPhy(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const EncodingValueForm& form);
    void ReadInto(EncodingValueForm& form) const;

private:
    const TextCodec& m_codec;
    DigitsEdit* m_min;
    DigitsEdit* m_max;
    DecimalEdit* m_scale;
    DecimalEdit* m_offset;
    QLineEdit* m_text;
};

#pragma once

#include "editing/EncodingForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class DigitsEdit;
class QLineEdit;

// The "Logical properties" page of an encoding value: its number and text.
class EncValLog : public QWidget {
    Q_OBJECT

public:
    EncValLog(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const EncodingValueForm& form);
    void ReadInto(EncodingValueForm& form) const;

private:
    const TextCodec& m_codec;
    DigitsEdit* m_value;
    QLineEdit* m_text;
};

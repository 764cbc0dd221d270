#pragma once

#include "editing/SignalForms.h"
#include "gui/TextCodec.h"
#include "validation/SignalCoding.h"

#include <QWidget>

class ChoiceBox;
class QLineEdit;

// The "Representation" page of a signal: the encoding type it is shown
// with, and a converter line: a raw value typed shows what the chosen
// encoding type makes of it, a value typed its raw value.
class SignalPPRep : public QWidget {
    Q_OBJECT

public:
    SignalPPRep(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const SignalForm& form);
    void ReadInto(SignalForm& form) const;
    // The size the converter line works with, as the General page shows it.
    void SetShape(const SignalShape& shape) { m_shape = shape; }

    QLineEdit& RawField() const { return *m_raw; }
    QLineEdit& ValueField() const { return *m_value; }

private:
    void ConvertRaw();
    void ConvertValue();

    const LinNetwork& m_network;
    const TextCodec& m_codec;
    ChoiceBox* m_encoding;
    QLineEdit* m_raw;
    QLineEdit* m_value;
    SignalShape m_shape;
};

#pragma once

#include "editing/SignalForms.h"
#include "gui/TextCodec.h"
#include "validation/SignalCoding.h"

#include <QWidget>

class ChoiceBox;
class NameEdit;
class QCheckBox;

// The "General" page of a signal: name, length, byte array and publisher.
class SignalPPGeneral : public QWidget {
    Q_OBJECT

public:
    SignalPPGeneral(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const SignalForm& form);
    void ReadInto(SignalForm& form) const;

Q_SIGNALS:
    // The user switched "Bytearray"; the lengths changed with it.
    void ByteArrayToggled(bool byteArray);
    // The length shown or "Bytearray" changed.
    void ShapeChanged(const SignalShape& shape);

private:
    void OfferLengths(bool byteArray);

    const TextCodec& m_codec;
    NameEdit* m_name;
    ChoiceBox* m_length;
    QCheckBox* m_byteArray;
    ChoiceBox* m_publisher;
};

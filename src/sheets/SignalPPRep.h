#pragma once

#include "editing/SignalForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class ChoiceBox;

// The "Representation" page of a signal: the encoding type it is shown with.
class SignalPPRep : public QWidget {
    Q_OBJECT

public:
    SignalPPRep(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const SignalForm& form);
    void ReadInto(SignalForm& form) const;

private:
    const TextCodec& m_codec;
    ChoiceBox* m_encoding;
};

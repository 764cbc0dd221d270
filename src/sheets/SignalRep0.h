#pragma once

#include "editing/SignalForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class QLineEdit;

// The "General" page of a signal representation: its encoding type, shown only.
class SignalRep0 : public QWidget {
    Q_OBJECT

public:
    SignalRep0(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const SignalRepForm& form);

private:
    const TextCodec& m_codec;
    QLineEdit* m_encoding;
};

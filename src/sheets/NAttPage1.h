#pragma once

#include "app/TextCodec.h"
#include "editing/NodeAttributesForm.h"

#include <QWidget>

class ChoiceBox;
class DigitsEdit;
class LinNetwork;

// The "Diagnostic" page of a slave: protocol, NAD, P2 min, ST min and the
// response error signal.
class NAttPage1 : public QWidget {
    Q_OBJECT

public:
    NAttPage1(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const NodeAttributesForm& form);
    void ReadInto(NodeAttributesForm& form) const;
    // The controls of LIN 2.0 attributes; the protocol and NAD stay enabled.
    void SetLin2Enabled(bool enabled);

Q_SIGNALS:
    void ProtocolChosen(const QString& protocol);

private:
    const TextCodec& m_codec;
    ChoiceBox* m_protocol;
    ChoiceBox* m_nad;
    DigitsEdit* m_p2Min;
    DigitsEdit* m_stMin;
    ChoiceBox* m_responseError;
};

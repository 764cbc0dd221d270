#pragma once

#include "editing/NodeAttributesForm.h"
#include "gui/TextCodec.h"

#include <QWidget>

class CheckTree;
class ChoiceBox;
class LinNetwork;
class MoveButtons;
class OptionalEdit;
class QFormLayout;
class QGroupBox;

// The "Diagnostic" page of a slave: protocol, NAD, initial NAD, the
// diagnostic times, the response error signal and the ordered fault state
// signals, chosen from the signals the slave publishes.
class NAttPage1 : public QWidget {
    Q_OBJECT

public:
    NAttPage1(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const NodeAttributesForm& form);
    void ReadInto(NodeAttributesForm& form) const;
    // The controls of LIN 2.0 attributes; the protocol and NAD stay enabled.
    void SetLin2Enabled(bool enabled);
    // The controls of what LIN 2.1 adds; hidden ones keep their values.
    void SetLin21Shown(bool shown);

Q_SIGNALS:
    void ProtocolChosen(const QString& protocol);

private:
    const LinNetwork& m_network;
    const TextCodec& m_codec;
    ChoiceBox* m_protocol;
    ChoiceBox* m_nad;
    OptionalEdit* m_initialNad;
    OptionalEdit* m_p2Min;
    OptionalEdit* m_stMin;
    OptionalEdit* m_nAsTimeout;
    OptionalEdit* m_nCrTimeout;
    ChoiceBox* m_responseError;
    CheckTree* m_faultSignals;
    MoveButtons* m_faultOrder;
    QFormLayout* m_fields;
    QGroupBox* m_faultGroup;
};

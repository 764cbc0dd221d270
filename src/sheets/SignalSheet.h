#pragma once

#include "sheets/PropertySheet.h"

class SignalPPGeneral;
class SignalPPInit;
class SignalPPRep;
class SignalPPSubs;

// Edits a signal: name, length, initial values, publisher, subscribers and
// the encoding type that represents it.
class SignalSheet : public PropertySheet {
    Q_OBJECT

public:
    SignalSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    SignalPPGeneral* m_general;
    SignalPPInit* m_init;
    SignalPPSubs* m_subscribers;
    SignalPPRep* m_representation;
};

#pragma once

#include "sheets/PropertySheet.h"

class SignalRep0;
class SignalRep1;

// Edits a signal representation: the signals its encoding type represents.
class SignalRepSheet : public PropertySheet {
    Q_OBJECT

public:
    SignalRepSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    SignalRep0* m_general;
    SignalRep1* m_signals;
};

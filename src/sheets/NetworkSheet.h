#pragma once

#include "sheets/PropertySheet.h"

class NetworkProp;

// Edits the header of the network: versions, bit rate and the statements
// that came after LIN 2.0.
class NetworkSheet : public PropertySheet {
    Q_OBJECT

public:
    NetworkSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    NetworkProp* m_page;
};

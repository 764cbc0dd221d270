#pragma once

#include "sheets/PropertySheet.h"

class MasterPage;

// Edits the master: its name, time base and jitter, and the J2602 pair.
class MasterSheet : public PropertySheet {
    Q_OBJECT

public:
    MasterSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    MasterPage* m_page;
};

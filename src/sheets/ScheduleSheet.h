#pragma once

#include "sheets/PropertySheet.h"

#include <vector>

class ScheduleEntryPage;

// Edits one entry of a schedule table: its time and, for the node
// configuration commands, their parameters.
class ScheduleSheet : public PropertySheet {
    Q_OBJECT

public:
    ScheduleSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    std::vector<ScheduleEntryPage*> m_pages;
};

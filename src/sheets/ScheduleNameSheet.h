#pragma once

#include "sheets/PropertySheet.h"

class ScheduleFrameP1;
class ScheduleName;

// Edits a schedule table: its name and which entries it holds.
class ScheduleNameSheet : public PropertySheet {
    Q_OBJECT

public:
    ScheduleNameSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                      QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    ScheduleName* m_name;
    ScheduleFrameP1* m_entries;
};

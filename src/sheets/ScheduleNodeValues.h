#pragma once

#include "gui/TextCodec.h"
#include "sheets/ScheduleEntryPage.h"

#include <vector>

class ChoiceBox;
class DigitsEdit;

// The "Properties" page of the LIN 2.1 configuration commands: the slave
// addressed, where the command names one, and the command's numbers.
// AssignNAD { node }, SaveConfiguration, DataDump, AssignFrameIdRange and
// ConditionalChangeNAD all use it.
class ScheduleNodeValues : public ScheduleEntryPage {
    Q_OBJECT

public:
    // The controls follow the entry the form was read from.
    ScheduleNodeValues(const ScheduleEntryForm& entry, const LinNetwork& network, const TextCodec& codec,
                       QWidget* parent = nullptr);

    void Show(const ScheduleEntryForm& form) override;
    void ReadInto(ScheduleEntryForm& form) const override;

private:
    const TextCodec& m_codec;
    ChoiceBox* m_node = nullptr;  // none for a command without slave
    std::vector<DigitsEdit*> m_values;
};

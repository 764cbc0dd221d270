#pragma once

#include "sheets/ScheduleEntryPage.h"

class ChoiceBox;

// The "Properties" page of FreeFormat: its eight data bytes.
class ScheduleFreeText : public ScheduleEntryPage {
    Q_OBJECT

public:
    explicit ScheduleFreeText(QWidget* parent = nullptr);

    void Show(const ScheduleEntryForm& form) override;
    void ReadInto(ScheduleEntryForm& form) const override;

private:
    std::array<ChoiceBox*, 8> m_bytes{};
};

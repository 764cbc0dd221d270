#pragma once

#include "gui/TextCodec.h"
#include "sheets/ScheduleEntryPage.h"

class DecimalEdit;
class QLabel;
class QLineEdit;

// The "General" page of a schedule entry: what it sends, its time with a
// spin control that keeps it on the time base's grid, and the minimum time
// its frame needs.
class ScheduleP0 : public ScheduleEntryPage {
    Q_OBJECT

public:
    // The spin control gives a network without time base the substitute one.
    ScheduleP0(LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const ScheduleEntryForm& form) override;
    void ReadInto(ScheduleEntryForm& form) const override;

private:
    void Spin(int step);

    LinNetwork& m_network;
    const TextCodec& m_codec;
    QLineEdit* m_typeName;
    DecimalEdit* m_time;
    QLabel* m_minimumTime;
};

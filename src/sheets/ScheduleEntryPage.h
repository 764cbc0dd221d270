#pragma once

#include "editing/ScheduleForms.h"

#include <QWidget>

// A page of the schedule entry sheet: shows its part of the form and reads
// it back.
class ScheduleEntryPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void Show(const ScheduleEntryForm& form) = 0;
    virtual void ReadInto(ScheduleEntryForm& form) const = 0;
};

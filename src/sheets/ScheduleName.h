#pragma once

#include "editing/ScheduleForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class NameEdit;

// The "Name" page of a schedule table.
class ScheduleName : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleName(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const ScheduleTableForm& form);
    void ReadInto(ScheduleTableForm& form) const;

private:
    const TextCodec& m_codec;
    NameEdit* m_name;
};

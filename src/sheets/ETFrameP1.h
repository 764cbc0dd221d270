#pragma once

#include "editing/FrameGroupForms.h"
#include "gui/TextCodec.h"

#include <QWidget>

class ChoiceBox;
class NameEdit;

// The "General" page of an event-triggered frame: its name, its id chosen
// from the ids on offer, and the schedule table that resolves collisions.
class ETFrameP1 : public QWidget {
    Q_OBJECT

public:
    ETFrameP1(const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const EventTriggeredFrameForm& form, const std::vector<std::string>& idChoices,
              const std::vector<std::string>& tableChoices);
    void ReadInto(EventTriggeredFrameForm& form) const;

private:
    const TextCodec& m_codec;
    NameEdit* m_name;
    ChoiceBox* m_frameId;
    ChoiceBox* m_collisionTable;  // its first entry stands for none
};

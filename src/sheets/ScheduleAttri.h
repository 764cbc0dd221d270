#pragma once

#include "gui/TextCodec.h"
#include "sheets/ScheduleEntryPage.h"

class ChoiceBox;

// The "Properties" page of AssignFrameId and UnassignFrameId: the slave and
// one of its configurable frames.
class ScheduleAttri : public ScheduleEntryPage {
    Q_OBJECT

public:
    ScheduleAttri(const LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const ScheduleEntryForm& form) override;
    void ReadInto(ScheduleEntryForm& form) const override;

private:
    void OfferFramesOfNode();

    const LinNetwork& m_network;
    const TextCodec& m_codec;
    ChoiceBox* m_node;
    ChoiceBox* m_frame;
};

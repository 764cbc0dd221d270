#pragma once

#include "sheets/PropertySheet.h"

class ETFrameP1;
class GroupedFramesPage;

// Edits an event-triggered frame: its name, its id and the unconditional
// frames it stands for.
class ETFrameSheet : public PropertySheet {
    Q_OBJECT

public:
    // The request's index is the event-triggered frame's.
    ETFrameSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    ETFrameP1* m_general;
    GroupedFramesPage* m_frames;
};

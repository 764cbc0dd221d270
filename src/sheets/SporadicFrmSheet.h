#pragma once

#include "sheets/PropertySheet.h"

class GroupedFramesPage;
class NamePage;

// Edits a sporadic frame: its name and the unconditional frames it stands
// for.
class SporadicFrmSheet : public PropertySheet {
    Q_OBJECT

public:
    // The request's index is the sporadic frame's.
    SporadicFrmSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                     QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    NamePage* m_name;
    GroupedFramesPage* m_frames;
};

#pragma once

#include "sheets/PropertySheet.h"

class FramePage1;
class FramePage2;

// Edits an unconditional frame: name, id, size, publisher and the signals it
// carries at their offsets.
class FrameSheet : public PropertySheet {
    Q_OBJECT

public:
    FrameSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    FramePage1* m_general;
    FramePage2* m_signals;
};

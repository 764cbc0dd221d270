#pragma once

#include "sheets/PropertySheet.h"

class FrameOffset;

// Moves one signal of a frame to another offset.
class FrameOffSheet : public PropertySheet {
    Q_OBJECT

public:
    FrameOffSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    FrameOffset* m_page;
};

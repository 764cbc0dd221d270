#pragma once

#include "editing/FrameGroupForms.h"
#include "sheets/PropertySheet.h"

class DynFrmPage;

// Edits the network's dynamic frame ids.
class DynFrmSheet : public PropertySheet {
    Q_OBJECT

public:
    DynFrmSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    DynamicFramesForm m_form;
    DynFrmPage* m_page;
};

#pragma once

#include "editing/EncodingForms.h"
#include "sheets/PropertySheet.h"

class EncPhy;
class EncValLog;

// Edits one logical or physical value of an encoding type, on the one page
// of its kind.
class EncValSheet : public PropertySheet {
    Q_OBJECT

public:
    // The request's index is the encoding type's, its second the value's
    // line in the type's list.
    EncValSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    EncodingValueForm m_form;
    EncValLog* m_logical = nullptr;
    EncPhy* m_physical = nullptr;
};

#pragma once

#include "editing/EncodingForms.h"
#include "sheets/PropertySheet.h"

class NamePage;
class SigEnc2;

// Edits an encoding type: its name and its values. The values page changes
// a copy of the type, written back whole on commit.
class SigEncSheet : public PropertySheet {
    Q_OBJECT

public:
    // The request's index is the encoding type's.
    SigEncSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    EncodingTypeForm m_form;
    NamePage* m_name;
    SigEnc2* m_values;
};

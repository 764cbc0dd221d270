#pragma once

#include "sheets/PropertySheet.h"

class CompFuncNP2;
class NamePage;

// Edits a composite node: its name and the slaves it is made of.
class CompFuncSheet : public PropertySheet {
    Q_OBJECT

public:
    // The request's index is the configuration's, its second the node's
    // within it.
    CompFuncSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    NamePage* m_name;
    CompFuncNP2* m_nodes;
};

#pragma once

#include "sheets/PropertySheet.h"

class NAttPage1;
class NodeAttP2;
class NodeAttP3;
class NodeGenP;

// Edits a slave: its name and its node attributes. Opening it gives the
// slave default attributes when it has none; they stay even on Cancel. The
// sheet shows the controls the chosen protocol has; hidden ones keep their
// values and are written as they are.
class NAttSheet : public PropertySheet {
    Q_OBJECT

public:
    // The request's index is the slave's.
    NAttSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    void ShowControlsOf(const std::string& protocol);

    NodeGenP* m_general;
    NAttPage1* m_diagnostic;
    NodeAttP2* m_productId;
    NodeAttP3* m_frames;
};

#pragma once

#include "editing/SignalGroupForm.h"
#include "sheets/PropertySheet.h"

class SignalGroupPage;

// Edits a signal group: its name, its size and the signals it places. The
// page changes a copy of the group, written back whole on commit.
class SignalGroupSheet : public PropertySheet {
    Q_OBJECT

public:
    // The request's index is the group's.
    SignalGroupSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                     QWidget* parent = nullptr);

protected:
    void WriteModel() override;

private:
    SignalGroupForm m_form;
    SignalGroupPage* m_page;
};

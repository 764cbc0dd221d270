#pragma once

#include "gui/TextCodec.h"
#include "sheets/ScheduleEntryPage.h"

class ChoiceBox;
class QLineEdit;

// The "Properties" page of AssignNAD: the slave, whose attributes give the
// new NAD and the product ids, and the NAD it has before.
class ScheduleANAD : public ScheduleEntryPage {
    Q_OBJECT

public:
    // Choosing a slave without attributes gives it the default ones at once.
    ScheduleANAD(LinNetwork& network, const TextCodec& codec, QWidget* parent = nullptr);

    void Show(const ScheduleEntryForm& form) override;
    void ReadInto(ScheduleEntryForm& form) const override;

private:
    void ShowNode(const ScheduleEntryForm& form);

    LinNetwork& m_network;
    const TextCodec& m_codec;
    std::string m_initialNad;
    ChoiceBox* m_node;
    ChoiceBox* m_oldNad;
    QLineEdit* m_newNad;
    QLineEdit* m_supplierId;
    QLineEdit* m_functionId;
};

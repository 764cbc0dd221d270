#include "sheets/ScheduleFrameP1.h"

#include "controls/AddDeleteList.h"
#include "controls/PopupChooser.h"
#include "sheets/PageHelpers.h"

ScheduleFrameP1::ScheduleFrameP1(const LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_network(network), m_codec(codec),
      m_entries(Named(new AddDeleteList(tr("Add frame type"), tr("Delete selected frame type"), this), "entries"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_entries);
    connect(m_entries, &AddDeleteList::AddClicked, this, &ScheduleFrameP1::AddEntry);
    connect(m_entries, &AddDeleteList::Deleted, this, [this](int row) { m_table.Remove(row); });
}

void ScheduleFrameP1::Show(const ScheduleTableForm& form)
{
    m_table.entries = form.entries;
    ShowEntries();
}

void ScheduleFrameP1::ReadInto(ScheduleTableForm& form) const { form.entries = m_table.entries; }

void ScheduleFrameP1::AddEntry()
{
    const int choice = ChooseFromMenu(ScheduleTableForm::AddChoices(m_network), m_codec, this, m_runMenu);
    if (m_table.AddChosen(m_network, choice))
        ShowEntries();
}

void ScheduleFrameP1::ShowEntries() { m_entries->SetItems(ToQtList(m_table.EntryTexts(), m_codec)); }

#include "sheets/SigEnc2.h"

#include "controls/AddDeleteList.h"
#include "controls/PopupChooser.h"
#include "sheets/PageHelpers.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace {

// The chooser's entries, in the order of EncodingValueKind.
const ChoiceMenu& AddValueMenu()
{
    static const ChoiceMenu menu{"Add Value", {ChoiceGroup{{}, {"Logical", "Physical", "BCD", "ASCII"}}}};
    return menu;
}

}  // namespace

SigEnc2::SigEnc2(EncodingTypeForm& form, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_form(form), m_codec(codec),
      m_values(Named(new AddDeleteList(tr("Add type of value"), tr("Delete selected value type"), this), "values"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_values);
    connect(m_values, &AddDeleteList::AddClicked, this, &SigEnc2::ChooseValueToAdd);
    connect(m_values, &AddDeleteList::Deleted, this, [this](int row) { m_form.DeleteLine(row); });
}

void SigEnc2::ShowValues(int selectedRow)
{
    m_values->SetItems(ToQtList(EncodingValueLines(m_form.values), m_codec), selectedRow);
}

void SigEnc2::ChooseValueToAdd()
{
    const int chosen = ChooseFromMenu(AddValueMenu(), m_codec, this, m_runMenu);
    if (chosen < 0 || chosen > static_cast<int>(EncodingValueKind::Ascii))
        return;
    m_form.AddValue(static_cast<EncodingValueKind>(chosen));
    ShowValues(m_values->List()->currentRow());
}

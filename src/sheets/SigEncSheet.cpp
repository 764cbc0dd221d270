#include "sheets/SigEncSheet.h"

#include "sheets/NamePage.h"
#include "sheets/SigEnc2.h"

SigEncSheet::SigEncSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_form(EncodingTypeForm::Read(network, request.index)),
      m_name(new NamePage(Codec(), this)), m_values(new SigEnc2(m_form, Codec(), this))
{
    AddPage(m_name, tr("Name"));
    AddPage(m_values, tr("Values"));
    m_name->Show(m_form.name);
    m_values->ShowValues();
}

void SigEncSheet::WriteModel()
{
    m_form.name = m_name->Name();
    m_form.Commit(Network(), Request().index);
}

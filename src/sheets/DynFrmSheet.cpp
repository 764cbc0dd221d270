#include "sheets/DynFrmSheet.h"

#include "sheets/DynFrmPage.h"

DynFrmSheet::DynFrmSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_form(DynamicFramesForm::Read(network)),
      m_page(new DynFrmPage(m_form, this))
{
    AddPage(m_page, tr("Properties"));
    m_page->ShowIds();
}

void DynFrmSheet::WriteModel() { m_form.Commit(Network()); }

#include "sheets/MasterSheet.h"

#include "sheets/MasterPage.h"

MasterSheet::MasterSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_page(new MasterPage(Codec(), this))
{
    AddPage(m_page, tr("Properties"));
    m_page->Show(MasterForm::Read(network));
}

void MasterSheet::WriteModel() { m_page->Read().Commit(Network()); }

#include "sheets/NetworkSheet.h"

#include "sheets/NetworkProp.h"

NetworkSheet::NetworkSheet(const SheetRequest& request, LinNetwork& network, QWidget* parent)
    : PropertySheet(request, network, parent), m_page(new NetworkProp(this))
{
    AddPage(m_page, tr("Network"));
    m_page->Show(NetworkForm::Read(network));
}

void NetworkSheet::WriteModel() { m_page->Read().Commit(Network()); }

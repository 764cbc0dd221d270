#include "sheets/NetworkSheet.h"

#include "sheets/NetworkProp.h"

NetworkSheet::NetworkSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_page(new NetworkProp(Codec(), this))
{
    AddPage(m_page, tr("Network"));
    m_page->Show(NetworkForm::Read(network));
}

void NetworkSheet::WriteModel() { m_page->Read().Commit(Network()); }

#include "sheets/CompFuncSheet.h"

#include "sheets/CompFuncNP2.h"
#include "sheets/NamePage.h"

CompFuncSheet::CompFuncSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_name(new NamePage(Codec(), this)),
      m_nodes(new CompFuncNP2(Codec(), this))
{
    AddPage(m_name, tr("Name"));
    AddPage(m_nodes, tr("Functional Nodes"));
    const CompositeNodeForm form = CompositeNodeForm::Read(network, request.index, request.second);
    m_name->Show(form.name);
    m_nodes->Show(form);
}

void CompFuncSheet::WriteModel()
{
    CompositeNodeForm form = CompositeNodeForm::Read(Network(), Request().index, Request().second);
    form.name = m_name->Name();
    m_nodes->ReadInto(form);
    form.Commit(Network(), Request().index, Request().second);
}

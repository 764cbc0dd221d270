#include "sheets/NAttSheet.h"

#include "model/LinVersion.h"
#include "sheets/NAttPage1.h"
#include "sheets/NodeAttP2.h"
#include "sheets/NodeAttP3.h"
#include "sheets/NodeGenP.h"

NAttSheet::NAttSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_general(new NodeGenP(Codec(), this)),
      m_diagnostic(new NAttPage1(network, Codec(), this)), m_productId(new NodeAttP2(this)),
      m_frames(new NodeAttP3(Codec(), this))
{
    AddPage(m_general, tr("General"));
    AddPage(m_diagnostic, tr("Diagnostic"));
    AddPage(m_productId, tr("Product ID"));
    AddPage(m_frames, tr("Configurable frames"));

    const NodeAttributesForm form = NodeAttributesForm::Read(network, request.index);
    m_general->Show(form);
    m_diagnostic->Show(form);
    m_productId->Show(form);
    m_frames->Show(form);
    ShowControlsOf(form.protocol);
    connect(m_diagnostic, &NAttPage1::ProtocolChosen, this,
            [this](const QString& protocol) { ShowControlsOf(protocol.toStdString()); });
}

void NAttSheet::WriteModel()
{
    NodeAttributesForm form;
    m_general->ReadInto(form);
    m_diagnostic->ReadInto(form);
    m_productId->ReadInto(form);
    m_frames->ReadInto(form);
    form.Commit(Network(), Request().index);
}

void NAttSheet::ShowControlsOf(const std::string& protocol)
{
    const bool lin2 = lin::HasLin2Attributes(protocol);
    const bool lin21 = lin::HasLin21Attributes(protocol);
    m_diagnostic->SetLin21Shown(lin21);
    m_frames->SetLin21Shown(lin21);
    m_diagnostic->SetLin2Enabled(lin2);
    m_productId->SetLin2Enabled(lin2);
    m_frames->SetLin2Enabled(lin2);
    m_general->SetJ2602Shown(NodeAttributesForm::HasJ2602Attributes(Network(), protocol));
}

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
    SetLin2Enabled(lin::HasLin2Attributes(form.protocol));
    connect(m_diagnostic, &NAttPage1::ProtocolChosen, this,
            [this](const QString& protocol) { SetLin2Enabled(lin::HasLin2Attributes(protocol.toStdString())); });
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

void NAttSheet::SetLin2Enabled(bool enabled)
{
    m_diagnostic->SetLin2Enabled(enabled);
    m_productId->SetLin2Enabled(enabled);
    m_frames->SetLin2Enabled(enabled);
}

#include "sheets/SignalSheet.h"

#include "sheets/SignalPPGeneral.h"
#include "sheets/SignalPPInit.h"
#include "sheets/SignalPPRep.h"
#include "sheets/SignalPPSubs.h"

SignalSheet::SignalSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_general(new SignalPPGeneral(network, Codec(), this)),
      m_init(new SignalPPInit(this)), m_subscribers(new SignalPPSubs(network, Codec(), this)),
      m_representation(new SignalPPRep(network, Codec(), this))
{
    AddPage(m_general, tr("General"));
    AddPage(m_init, tr("Init"));
    AddPage(m_subscribers, tr("Subscriber"));
    AddPage(m_representation, tr("Representation"));

    const SignalForm form = SignalForm::Read(network, request.index);
    m_general->Show(form);
    m_init->Show(form);
    m_subscribers->Show(form);
    m_representation->Show(form);
    connect(m_general, &SignalPPGeneral::ByteArrayToggled, m_init, &SignalPPInit::SetByteArray);
    connect(m_general, &SignalPPGeneral::ShapeChanged, m_representation, &SignalPPRep::SetShape);
}

void SignalSheet::WriteModel()
{
    SignalForm form;
    m_general->ReadInto(form);
    m_init->ReadInto(form);
    m_subscribers->ReadInto(form);
    m_representation->ReadInto(form);
    form.Commit(Network(), Request().index);
}

#include "sheets/SignalRepSheet.h"

#include "sheets/SignalRep0.h"
#include "sheets/SignalRep1.h"

SignalRepSheet::SignalRepSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                               QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_general(new SignalRep0(Codec(), this)),
      m_signals(new SignalRep1(network, Codec(), this))
{
    AddPage(m_general, tr("General"));
    AddPage(m_signals, tr("Representation"));
    const SignalRepForm form = SignalRepForm::Read(network, request.index);
    m_general->Show(form);
    m_signals->Show(form);
}

void SignalRepSheet::WriteModel()
{
    SignalRepForm form = SignalRepForm::Read(Network(), Request().index);
    m_signals->ReadInto(form);
    form.Commit(Network(), Request().index);
}

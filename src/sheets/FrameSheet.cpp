#include "sheets/FrameSheet.h"

#include "sheets/FramePage1.h"
#include "sheets/FramePage2.h"

FrameSheet::FrameSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_general(new FramePage1(network, request.index, Codec(), this)),
      m_signals(new FramePage2(network, Codec(), this))
{
    AddPage(m_general, tr("General"));
    AddPage(m_signals, tr("Signals"));
    const FrameForm form = FrameForm::Read(network, request.index);
    m_general->Show(form);
    m_signals->Show(form.signals);
    // Checks not yet stored are lost: the tree shows the new publisher's
    // signals as the stored frame has them.
    connect(m_general, &FramePage1::PublisherChosen, this, [this](const std::string& publisher) {
        m_signals->Show(FrameForm::SignalChoices(Network(), Request().index, publisher));
    });
}

void FrameSheet::WriteModel()
{
    FrameForm form;
    m_general->ReadInto(form);
    m_signals->ReadInto(form);
    form.Commit(Network(), Request().index);
}

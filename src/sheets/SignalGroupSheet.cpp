#include "sheets/SignalGroupSheet.h"

#include "sheets/SignalGroupPage.h"

SignalGroupSheet::SignalGroupSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                                   QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_form(SignalGroupForm::Read(network, request.index)),
      m_page(new SignalGroupPage(m_form, network, Codec(), this))
{
    AddPage(m_page, tr("General"));
    m_page->Show();
}

void SignalGroupSheet::WriteModel()
{
    m_page->ReadInto(m_form);
    m_form.Commit(Network(), Request().index);
}

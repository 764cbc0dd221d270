#include "sheets/FrameOffSheet.h"

#include "sheets/FrameOffset.h"

FrameOffSheet::FrameOffSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_page(new FrameOffset(network, request.index, Codec(), this))
{
    AddPage(m_page, tr("Signal position"));
    m_page->Show(FrameOffsetForm::Read(network, request.index, request.second));
}

void FrameOffSheet::WriteModel()
{
    FrameOffsetForm form;
    m_page->ReadInto(form);
    form.Commit(Network(), Request().index, Request().second);
}

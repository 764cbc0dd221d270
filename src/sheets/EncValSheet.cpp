#include "sheets/EncValSheet.h"

#include "sheets/EncPhy.h"
#include "sheets/EncValLog.h"

EncValSheet::EncValSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent),
      m_form(EncodingValueForm::Read(network, request.index, request.second).value_or(EncodingValueForm{}))
{
    if (m_form.physical) {
        m_physical = new EncPhy(Codec(), this);
        AddPage(m_physical, tr("Physical properties"));
        m_physical->Show(m_form);
    } else {
        m_logical = new EncValLog(Codec(), this);
        AddPage(m_logical, tr("Logical properties"));
        m_logical->Show(m_form);
    }
}

void EncValSheet::WriteModel()
{
    if (m_physical)
        m_physical->ReadInto(m_form);
    else
        m_logical->ReadInto(m_form);
    m_form.Commit(Network(), Request().index, Request().second);
}

#include "sheets/ScheduleNameSheet.h"

#include "sheets/ScheduleFrameP1.h"
#include "sheets/ScheduleName.h"

ScheduleNameSheet::ScheduleNameSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                                     QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_name(new ScheduleName(Codec(), this)),
      m_entries(new ScheduleFrameP1(network, Codec(), this))
{
    AddPage(m_name, tr("Name"));
    AddPage(m_entries, tr("Frames"));
    const ScheduleTableForm form = ScheduleTableForm::Read(network, request.index);
    m_name->Show(form);
    m_entries->Show(form);
}

void ScheduleNameSheet::WriteModel()
{
    ScheduleTableForm form;
    m_name->ReadInto(form);
    m_entries->ReadInto(form);
    form.Commit(Network(), Request().index);
}

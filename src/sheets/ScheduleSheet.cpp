#include "sheets/ScheduleSheet.h"

#include "sheets/ScheduleANAD.h"
#include "sheets/ScheduleAttri.h"
#include "sheets/ScheduleFreeText.h"
#include "sheets/ScheduleNodeValues.h"
#include "sheets/ScheduleP0.h"

namespace {

// The page of the entry's parameters; none for frames, MasterReq and SlaveResp.
ScheduleEntryPage* PropertiesPage(const ScheduleEntryForm& form, LinNetwork& network, const TextCodec& codec,
                                  QWidget* parent)
{
    switch (form.kind) {
    case kAssignFrameId:
    case kUnassignFrameId:
        return new ScheduleAttri(network, codec, parent);
    case kAssignNad:
        if (form.nadOfNode)
            return new ScheduleNodeValues(form, network, codec, parent);
        return new ScheduleANAD(network, codec, parent);
    case kFreeFormat:
        return new ScheduleFreeText(parent);
    case kAssignFrameIdRange:
    case kConditionalChangeNad:
    case kDataDump:
    case kSaveConfiguration:
        return new ScheduleNodeValues(form, network, codec, parent);
    default:
        return nullptr;
    }
}

}  // namespace

ScheduleSheet::ScheduleSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent)
{
    const ScheduleEntryForm form = ScheduleEntryForm::Read(network, request.index, request.second);
    m_pages.push_back(new ScheduleP0(network, Codec(), this));
    AddPage(m_pages.back(), tr("General"));
    if (ScheduleEntryPage* properties = PropertiesPage(form, network, Codec(), this)) {
        m_pages.push_back(properties);
        AddPage(properties, tr("Properties"));
    }
    for (ScheduleEntryPage* page : m_pages)
        page->Show(form);
}

void ScheduleSheet::WriteModel()
{
    ScheduleEntryForm form;
    for (const ScheduleEntryPage* page : m_pages)
        page->ReadInto(form);
    form.Commit(Network(), Request().index, Request().second);
}

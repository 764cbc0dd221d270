#include "sheets/ETFrameSheet.h"

#include "editing/FrameGroupForms.h"
#include "sheets/ETFrameP1.h"
#include "sheets/GroupedFramesPage.h"

ETFrameSheet::ETFrameSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_general(new ETFrameP1(Codec(), this)),
      m_frames(new GroupedFramesPage(network, FrameGroup::EventTriggered, Codec(), this))
{
    AddPage(m_general, tr("General"));
    AddPage(m_frames, tr("Frames"));
    const EventTriggeredFrameForm form = EventTriggeredFrameForm::Read(network, request.index);
    m_general->Show(form, EventTriggeredFrameForm::FrameIdChoices(network, request.index),
                    EventTriggeredFrameForm::CollisionTableChoices(network, request.index));
    m_frames->Show(form.frames);
}

void ETFrameSheet::WriteModel()
{
    EventTriggeredFrameForm form;
    m_general->ReadInto(form);
    form.frames = m_frames->Frames();
    form.Commit(Network(), Request().index);
}

#include "sheets/SporadicFrmSheet.h"

#include "editing/FrameGroupForms.h"
#include "sheets/GroupedFramesPage.h"
#include "sheets/NamePage.h"

SporadicFrmSheet::SporadicFrmSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                                   QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_name(new NamePage(Codec(), this)),
      m_frames(new GroupedFramesPage(network, FrameGroup::Sporadic, Codec(), this))
{
    AddPage(m_name, tr("Name"));
    AddPage(m_frames, tr("Frames"));
    const SporadicFrameForm form = SporadicFrameForm::Read(network, request.index);
    m_name->Show(form.name);
    m_frames->Show(form.frames);
}

void SporadicFrmSheet::WriteModel()
{
    SporadicFrameForm{m_name->Name(), m_frames->Frames()}.Commit(Network(), Request().index);
}

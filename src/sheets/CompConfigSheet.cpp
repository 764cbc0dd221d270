#include "sheets/CompConfigSheet.h"

#include "editing/CompositionForms.h"
#include "sheets/NamePage.h"

CompConfigSheet::CompConfigSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                                 QWidget* parent)
    : PropertySheet(request, network, codec, parent), m_name(new NamePage(Codec(), this))
{
    AddPage(m_name, tr("Properties"));
    m_name->Show(CompConfigForm::Read(network, request.index).name);
}

void CompConfigSheet::WriteModel() { CompConfigForm{m_name->Name()}.Commit(Network(), Request().index); }

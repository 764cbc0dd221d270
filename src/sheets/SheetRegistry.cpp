#include "sheets/SheetRegistry.h"

#include "sheets/CompConfigSheet.h"
#include "sheets/CompFuncSheet.h"
#include "sheets/DynFrmSheet.h"
#include "sheets/ETFrameSheet.h"
#include "sheets/EncValSheet.h"
#include "sheets/FrameOffSheet.h"
#include "sheets/FrameSheet.h"
#include "sheets/MasterSheet.h"
#include "sheets/NAttSheet.h"
#include "sheets/NetworkSheet.h"
#include "sheets/PropertySheet.h"
#include "sheets/ScheduleNameSheet.h"
#include "sheets/ScheduleSheet.h"
#include "sheets/SigEncSheet.h"
#include "sheets/SignalGroupSheet.h"
#include "sheets/SignalRepSheet.h"
#include "sheets/SignalSheet.h"
#include "sheets/SporadicFrmSheet.h"

#include <map>

namespace {

using SheetFactory = std::unique_ptr<PropertySheet> (*)(const SheetRequest&, LinNetwork&, const TextCodec&, QWidget*);

template <typename Sheet>
std::unique_ptr<PropertySheet> Make(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                                    QWidget* parent)
{
    return std::make_unique<Sheet>(request, network, codec, parent);
}

const std::map<SheetId, SheetFactory>& Registry()
{
    static const std::map<SheetId, SheetFactory> registry = {
        {SheetId::NetworkSheet, &Make<NetworkSheet>},
        {SheetId::MasterSheet, &Make<MasterSheet>},
        {SheetId::NAttSheet, &Make<NAttSheet>},
        {SheetId::SignalSheet, &Make<SignalSheet>},
        {SheetId::SignalRepSheet, &Make<SignalRepSheet>},
        {SheetId::FrameSheet, &Make<FrameSheet>},
        {SheetId::FrameOffSheet, &Make<FrameOffSheet>},
        {SheetId::ScheduleNameSheet, &Make<ScheduleNameSheet>},
        {SheetId::ScheduleSheet, &Make<ScheduleSheet>},
        {SheetId::SigEncSheet, &Make<SigEncSheet>},
        {SheetId::EncValSheet, &Make<EncValSheet>},
        {SheetId::ETFrameSheet, &Make<ETFrameSheet>},
        {SheetId::SporadicFrmSheet, &Make<SporadicFrmSheet>},
        {SheetId::DynFrmSheet, &Make<DynFrmSheet>},
        {SheetId::CompConfigSheet, &Make<CompConfigSheet>},
        {SheetId::CompFuncSheet, &Make<CompFuncSheet>},
        {SheetId::SignalGroupSheet, &Make<SignalGroupSheet>},
    };
    return registry;
}

}  // namespace

int RunModal(QDialog& dialog) { return dialog.exec(); }

std::unique_ptr<PropertySheet> CreateSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec,
                                           QWidget* parent)
{
    const auto found = Registry().find(request.sheet);
    if (found == Registry().end())
        return nullptr;
    std::unique_ptr<PropertySheet> sheet = found->second(request, network, codec, parent);
    // Named after its class, so that tests and screenshots can tell sheets apart.
    sheet->setObjectName(QString::fromLatin1(sheet->metaObject()->className()));
    return sheet;
}

bool RunSheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent,
              const SheetRunner& run)
{
    std::unique_ptr<PropertySheet> sheet = CreateSheet(request, network, codec, parent);
    return sheet && run(*sheet) == QDialog::Accepted;
}

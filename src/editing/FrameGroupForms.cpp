#include "editing/FrameGroupForms.h"

#include "editing/NumberDisplay.h"
#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "model/Rename.h"
#include "model/UniqueNames.h"
#include "validation/CheckRules.h"

#include <algorithm>
#include <unordered_set>

namespace {

// Shown to users verbatim; keep the spelling.
const char* const kNoCollisionTable = "none";

}  // namespace

std::vector<std::string> ListedFrames(const LinNetwork& network, const std::vector<std::string>& frameNames)
{
    std::vector<std::string> listed;
    std::unordered_set<std::string> seen;
    for (const auto& name : frameNames)
        if (network.FindFrame(name) && seen.insert(name).second)
            listed.push_back(name);
    return listed;
}

std::vector<FrameChoice> AddFrameChoices(const LinNetwork& network, FrameGroup group,
                                         const std::vector<std::string>& listed)
{
    const auto fits = group == FrameGroup::Sporadic ? FitsSporadicFrame : FitsEventTriggeredFrame;
    const std::unordered_set<std::string> taken(listed.begin(), listed.end());
    std::vector<FrameChoice> choices;
    for (const auto& frame : network.frames)
        if (fits(frame->publisher, network.masterName))
            choices.push_back(FrameChoice{frame->name, taken.count(frame->name) > 0});
    return choices;
}

std::vector<std::string> EventTriggeredFrameForm::FrameIdChoices(const LinNetwork& network, int ownIndex)
{
    std::unordered_set<int> used;
    for (const auto& frame : network.frames)
        used.insert(frame->frameId);
    for (std::size_t i = 0; i < network.eventTriggeredFrames.size(); ++i)
        if (static_cast<int>(i) != ownIndex)
            used.insert(network.eventTriggeredFrames[i]->frameId);
    for (const unsigned id : network.dynamicFrameIds)
        if (id <= DynamicFramesForm::kLastId)
            used.erase(static_cast<int>(id));
    std::vector<std::string> choices;
    for (int id = 0; id <= static_cast<int>(DynamicFramesForm::kLastId); ++id)
        if (!used.count(id))
            choices.push_back(IdText(id));
    return choices;
}

std::vector<std::string> EventTriggeredFrameForm::CollisionTableChoices(const LinNetwork& network, int ownIndex)
{
    std::vector<std::string> tables{kNoCollisionTable};
    for (const auto& table : network.scheduleTables)
        tables.push_back(table->name);
    const EventTriggeredFrame* record = network.eventTriggeredFrames.RecordAt(ownIndex);
    if (record && !record->collisionTable.empty() &&
        std::find(tables.begin() + 1, tables.end(), record->collisionTable) == tables.end())
        tables.push_back(record->collisionTable);
    return tables;
}

EventTriggeredFrameForm EventTriggeredFrameForm::Read(const LinNetwork& network, int index)
{
    const EventTriggeredFrame* record = network.eventTriggeredFrames.RecordAt(index);
    if (!record)
        return {};
    const std::vector<std::string> ids = FrameIdChoices(network, index);
    const std::string own = IdText(record->frameId);
    const bool offered = std::find(ids.begin(), ids.end(), own) != ids.end();
    return EventTriggeredFrameForm{record->name, offered ? own : std::string(), record->collisionTable,
                                   ListedFrames(network, TextsOf(record->frameNames))};
}

void EventTriggeredFrameForm::Commit(LinNetwork& network, int index) const
{
    EventTriggeredFrame* record = network.eventTriggeredFrames.RecordAt(index);
    if (!record)
        return;
    const std::string unique =
        MakeUniqueNameAcross(name.empty() ? record->name.str() : name, index, network.eventTriggeredFrames,
                             network.sporadicFrames, network.frames);
    if (!frameId.empty())
        record->frameId = ParseInt(frameId);
    record->collisionTable = collisionTable;
    record->frameNames = NamesOf(ListedFrames(network, frames));
    RenameEventTriggeredFrame(network, static_cast<std::size_t>(index), unique);
}

SporadicFrameForm SporadicFrameForm::Read(const LinNetwork& network, int index)
{
    const SporadicFrame* record = network.sporadicFrames.RecordAt(index);
    return record ? SporadicFrameForm{record->name, ListedFrames(network, TextsOf(record->frameNames))}
                  : SporadicFrameForm{};
}

void SporadicFrameForm::Commit(LinNetwork& network, int index) const
{
    SporadicFrame* record = network.sporadicFrames.RecordAt(index);
    if (!record)
        return;
    const std::string unique =
        MakeUniqueNameAcross(name.empty() ? record->name.str() : name, index, network.sporadicFrames,
                             network.eventTriggeredFrames, network.frames);
    record->frameNames = NamesOf(ListedFrames(network, frames));
    RenameSporadicFrame(network, static_cast<std::size_t>(index), unique);
}

DynamicFramesForm DynamicFramesForm::Read(const LinNetwork& network)
{
    const std::unordered_set<unsigned> stored(network.dynamicFrameIds.begin(), network.dynamicFrameIds.end());
    DynamicFramesForm form;
    for (unsigned id = 0; id <= kLastId; ++id)
        (stored.count(id) ? form.dynamic : form.free).push_back(id);
    return form;
}

void DynamicFramesForm::Add(unsigned id)
{
    const auto found = std::find(free.begin(), free.end(), id);
    if (found == free.end())
        return;
    free.erase(found);
    dynamic.push_back(id);
}

void DynamicFramesForm::Remove(unsigned id)
{
    const auto found = std::find(dynamic.begin(), dynamic.end(), id);
    if (found == dynamic.end())
        return;
    dynamic.erase(found);
    free.insert(std::upper_bound(free.begin(), free.end(), id), id);
}

void DynamicFramesForm::Commit(LinNetwork& network) const { network.dynamicFrameIds = dynamic; }

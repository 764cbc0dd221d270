#include "cli/RenameEntity.h"

#include "model/LinNetwork.h"
#include "model/Rename.h"

#include <cctype>
#include <functional>
#include <vector>

namespace {

// The kinds by their command-line names, each with its set of names and its
// rename; index -1 of `find` means no such entity.
struct RenameKind {
    const char* name;
    std::function<int(const LinNetwork&, const std::string&)> find;
    std::function<bool(const LinNetwork&, const std::string&)> isFree;
    std::function<void(LinNetwork&, int, const std::string&)> rename;
};

template <typename Record> int IndexOf(const OwnedList<Record>& list, const std::string& name)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (RecordName(*list[i]) == name)
            return static_cast<int>(i);
    return -1;
}

bool IsFrameNameFree(const LinNetwork& network, const std::string& name)
{
    return network.IsFrameNameFree(name) && network.IsEventTriggeredFrameNameFree(name) &&
           IsNameFree(network.sporadicFrames, name);
}

// The master is node -2, a slave its index.
constexpr int kMaster = -2;

const std::vector<RenameKind>& Kinds()
{
    static const std::vector<RenameKind> kinds = {
        {"node",
         [](const LinNetwork& n, const std::string& name) {
             return name == n.masterName ? kMaster : IndexOf(n.slaves, name);
         },
         [](const LinNetwork& n, const std::string& name) { return !n.IsNode(name); },
         [](LinNetwork& n, int i, const std::string& name) {
             if (i == kMaster)
                 RenameMaster(n, name);
             else
                 RenameSlave(n, static_cast<std::size_t>(i), name);
         }},
        {"signal", [](const LinNetwork& n, const std::string& name) { return IndexOf(n.signals, name); },
         [](const LinNetwork& n, const std::string& name) { return n.IsSignalNameFree(name); },
         [](LinNetwork& n, int i, const std::string& name) { RenameSignal(n, static_cast<std::size_t>(i), name); }},
        {"frame", [](const LinNetwork& n, const std::string& name) { return IndexOf(n.frames, name); }, IsFrameNameFree,
         [](LinNetwork& n, int i, const std::string& name) { RenameFrame(n, static_cast<std::size_t>(i), name); }},
        {"event-triggered-frame",
         [](const LinNetwork& n, const std::string& name) { return IndexOf(n.eventTriggeredFrames, name); },
         IsFrameNameFree,
         [](LinNetwork& n, int i, const std::string& name) {
             RenameEventTriggeredFrame(n, static_cast<std::size_t>(i), name);
         }},
        {"sporadic-frame", [](const LinNetwork& n, const std::string& name) { return IndexOf(n.sporadicFrames, name); },
         IsFrameNameFree,
         [](LinNetwork& n, int i, const std::string& name) {
             RenameSporadicFrame(n, static_cast<std::size_t>(i), name);
         }},
        {"schedule-table", [](const LinNetwork& n, const std::string& name) { return IndexOf(n.scheduleTables, name); },
         [](const LinNetwork& n, const std::string& name) { return n.IsScheduleTableNameFree(name); },
         [](LinNetwork& n, int i, const std::string& name) {
             RenameScheduleTable(n, static_cast<std::size_t>(i), name);
         }},
        {"encoding-type", [](const LinNetwork& n, const std::string& name) { return IndexOf(n.encodingTypes, name); },
         [](const LinNetwork& n, const std::string& name) { return n.IsEncodingTypeNameFree(name); },
         [](LinNetwork& n, int i, const std::string& name) {
             RenameEncodingType(n, static_cast<std::size_t>(i), name);
         }},
        {"configuration",
         [](const LinNetwork& n, const std::string& name) { return IndexOf(n.compositeConfigurations, name); },
         [](const LinNetwork& n, const std::string& name) { return IsNameFree(n.compositeConfigurations, name); },
         [](LinNetwork& n, int i, const std::string& name) {
             RenameCompositeConfiguration(n, static_cast<std::size_t>(i), name);
         }},
    };
    return kinds;
}

const RenameKind* FindKind(const std::string& name)
{
    for (const RenameKind& kind : Kinds())
        if (name == kind.name)
            return &kind;
    return nullptr;
}

}  // namespace

bool IsRenameKind(const std::string& kind) { return FindKind(kind) != nullptr; }

std::string RenameKindNames()
{
    std::string names;
    for (const RenameKind& kind : Kinds())
        names += std::string(names.empty() ? "" : ", ") + kind.name;
    return names;
}

bool IsLdfName(const std::string& name)
{
    if (name.empty())
        return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

std::string RenameEntity(LinNetwork& network, const RenameRequest& request)
{
    const RenameKind* kind = FindKind(request.kind);
    if (!kind)
        return "unknown KIND " + request.kind;
    const int index = kind->find(network, request.oldName);
    if (index == -1)
        return "no " + request.kind + " " + request.oldName;
    if (request.newName == request.oldName)
        return {};
    if (!kind->isFree(network, request.newName))
        return request.newName + " is taken";
    kind->rename(network, index, request.newName);
    return {};
}

#include "model/LinNetwork.h"

#include "ldf/Keywords.h"
#include "model/EraseIf.h"
#include "model/LinVersion.h"
#include "model/NameIndex.h"
#include "model/NetworkNameIndexes.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

LinNetwork::LinNetwork() : TextScanner(false) {}

std::unique_ptr<LinNetwork> LinNetwork::CreateDefault()
{
    auto network = std::make_unique<LinNetwork>();
    network->strictLineEnds = true;
    network->descriptionFileSeen = true;
    network->protocolVersion = lin::kStandardVersion;
    network->languageVersion = lin::kStandardVersion;
    network->speedKbps = lin::kStandardSpeedKbps;
    network->masterName = kw::Master;
    network->timeBaseMs = lin::kStandardTimeBaseMs;
    network->jitterMs = lin::kStandardJitterMs;
    network->slaves.Append(std::make_unique<LinNode>(kw::Slave1));
    return network;
}

const lin::VersionRow& LinNetwork::Version() const { return lin::RowOfLanguage(languageVersionText, languageVersion); }

bool LinNetwork::IsSlaveNameFree(const std::string& name) const { return IsNameFree(slaves, name); }
bool LinNetwork::IsDiagnosticAddressFree(const std::string& nodeName) const
{
    return IsNameFree(diagnosticAddresses, nodeName);
}
bool LinNetwork::IsEventTriggeredFrameNameFree(const std::string& name) const
{
    return IsNameFree(eventTriggeredFrames, name);
}
bool LinNetwork::IsSignalNameFree(const std::string& name) const { return IsNameFree(signals, name); }
bool LinNetwork::IsSignalGroupNameFree(const std::string& name) const { return IsNameFree(signalGroups, name); }
bool LinNetwork::IsFrameNameFree(const std::string& name) const { return IsNameFree(frames, name); }
bool LinNetwork::IsScheduleTableNameFree(const std::string& name) const { return IsNameFree(scheduleTables, name); }
bool LinNetwork::IsEncodingTypeNameFree(const std::string& name) const { return IsNameFree(encodingTypes, name); }
bool LinNetwork::IsRepresentationFree(const std::string& encodingName) const
{
    return IsNameFree(signalRepresentations, encodingName);
}
bool LinNetwork::IsNodeAttributesFree(const std::string& nodeName) const
{
    return IsNameFree(nodeAttributes, nodeName);
}
bool LinNetwork::IsNameFreeIn(const std::string& name, const NameList& signalNames)
{
    return std::find(signalNames.begin(), signalNames.end(), name) == signalNames.end();
}

bool LinNetwork::IsSlave(const std::string& name) const { return !IsNameFree(slaves, name); }

bool LinNetwork::IsNode(const std::string& name) const { return name == masterName || IsSlave(name); }

NodeAttributes* LinNetwork::FindNodeAttributes(const std::string& nodeName) const
{
    for (const auto& attributes : nodeAttributes)
        if (attributes->nodeName == nodeName)
            return attributes.get();
    return nullptr;
}

NodeAttributes& LinNetwork::AddDefaultAttributes(const std::string& slaveName)
{
    return nodeAttributes.Append(std::make_unique<NodeAttributes>(slaveName));
}

NodeAttributes& LinNetwork::AttributesOf(const std::string& slaveName)
{
    if (NodeAttributes* attributes = FindNodeAttributes(slaveName))
        return *attributes;
    return AddDefaultAttributes(slaveName);
}

std::vector<NodeAttributes*> LinNetwork::AttributesOfEverySlave()
{
    // An appended record takes the next position, as Insert does.
    NameIndex byNode(nodeAttributes);
    std::vector<NodeAttributes*> result;
    result.reserve(slaves.size());
    for (const auto& slave : slaves) {
        if (byNode.Insert(slave->name))
            AddDefaultAttributes(slave->name);
        result.push_back(nodeAttributes[static_cast<std::size_t>(byNode.FirstPosition(slave->name))].get());
    }
    return result;
}

void LinNetwork::RemoveOrphanNodeAttributes()
{
    NetworkNameIndexes names(*this);
    RemoveOrphanNodeAttributes(names);
}

void LinNetwork::RemoveOrphanNodeAttributes(NetworkNameIndexes& names)
{
    const RecordNameIndex& slaveNames = names.Slaves();
    EraseIf(nodeAttributes, [&](const auto& a) { return !slaveNames.Contains(a->nodeName); });
}

LinSignal* LinNetwork::FindSignal(const std::string& name) const
{
    for (const auto& signal : signals)
        if (signal->name == name)
            return signal.get();
    return nullptr;
}

int LinNetwork::SignalSize(const std::string& name) const
{
    const LinSignal* signal = FindSignal(name);
    return signal ? signal->size : 0;
}

SignalRepresentation* LinNetwork::FindRepresentation(const std::string& encodingName) const
{
    for (const auto& representation : signalRepresentations)
        if (representation->encodingName == encodingName)
            return representation.get();
    return nullptr;
}

std::string LinNetwork::EncodingOfSignal(const std::string& signalName) const
{
    for (const auto& representation : signalRepresentations)
        if (!IsNameFreeIn(signalName, representation->signalNames))
            return representation->encodingName;
    return {};
}

void LinNetwork::AssignSignalToEncoding(const std::string& encodingName, const std::string& signalName)
{
    for (auto& representation : signalRepresentations)
        EraseIf(representation->signalNames, [&](const Name& n) { return n == signalName; });
    if (SignalRepresentation* representation = FindRepresentation(encodingName))
        representation->AddSignal(signalName);
}

void LinNetwork::AlignRepresentations()
{
    const RecordNameIndex typeNames(encodingTypes);
    EraseIf(signalRepresentations, [&](const auto& r) { return !typeNames.Contains(r->encodingName); });

    // Representations named like no type are gone; take the first of each
    // remaining name and lay them out in the order of the types.
    const NameIndex representationNames(signalRepresentations);
    OwnedList<SignalRepresentation> aligned;
    std::vector<bool> taken(signalRepresentations.size(), false);
    for (const auto& type : encodingTypes) {
        const int first = representationNames.FirstPosition(type->name);
        if (first >= 0 && !taken[static_cast<std::size_t>(first)]) {
            taken[static_cast<std::size_t>(first)] = true;
            aligned.push_back(std::move(signalRepresentations[static_cast<std::size_t>(first)]));
        } else {
            aligned.Append(std::make_unique<SignalRepresentation>(type->name));
        }
    }
    // Duplicates of a name (several types named alike) stay behind the aligned ones.
    for (std::size_t j = 0; j < signalRepresentations.size(); ++j)
        if (!taken[j])
            aligned.push_back(std::move(signalRepresentations[j]));
    signalRepresentations = std::move(aligned);
}

LinFrame* LinNetwork::FindFrame(const std::string& name) const
{
    for (const auto& frame : frames)
        if (frame->name == name)
            return frame.get();
    return nullptr;
}

int LinNetwork::FrameLength(const std::string& frameName) const
{
    const LinFrame* frame = FindFrame(frameName);
    return frame ? frame->length : -1;
}

std::string MakeUniqueName(const std::vector<std::string>& names, const std::string& base, int ignore)
{
    std::unordered_set<std::string> used;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (static_cast<int>(i) != ignore)
            used.insert(names[i]);
    std::string candidate = base;
    for (int counter = 0; used.count(candidate) != 0; ++counter)
        candidate = base + std::to_string(counter);
    return candidate;
}

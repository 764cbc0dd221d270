#include "model/LinNetwork.h"

#include "model/EraseIf.h"
#include "model/LinVersion.h"
#include "model/NameIndex.h"
#include "reader/Keywords.h"
#include "reader/UnreadText.h"
#include "validation/PostLoadRepair.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
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

LoadResult LinNetwork::Load(const std::string& path)
{
    LoadResult result;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {  // a folder opens as an empty file
        result.error = "Cannot open the file " + path + ": it is a folder";
        return result;
    }
    // Opening a pipe would wait for a writer that may never come.
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        result.error = "Cannot open the file " + path + ": it is not a regular file";
        return result;
    }
    const std::string tooLarge =
        "Cannot read the file " + path + ": it is larger than " + std::to_string(kMaxFileBytes >> 20) + " MB";
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxFileBytes) {
        result.error = tooLarge;
        return result;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        result.error = "Cannot open the file " + path;
        return result;
    }
    try {
        // Read straight into the one string the network keeps. The size is
        // only a hint: a device or pipe has none and may never end.
        std::string content;
        if (!ec)
            content.reserve(static_cast<std::size_t>(size));
        char buffer[1 << 16];
        while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
            content.append(buffer, static_cast<std::size_t>(file.gcount()));
            if (content.size() > kMaxFileBytes) {
                result.error = tooLarge;
                return result;
            }
        }
        if (file.bad()) {
            result.error = "Cannot read the file " + path;
            return result;
        }
        result.network = LoadFromText(std::move(content), path);
    } catch (const std::bad_alloc&) {
        result.error = "Cannot read the file " + path + ": not enough memory";
    }
    return result;
}

std::unique_ptr<LinNetwork> LinNetwork::LoadFromText(std::string text, const std::string& path)
{
    auto network = std::make_unique<LinNetwork>();
    network->filePath = path;
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.resize(nul);
    network->SetText(std::move(text));
    if (nul != std::string::npos)
        network->AddPlainMessage(msg::NulByteWarning);
    network->ReadLdf();
    RunPostLoadRepair(*network);
    return network;
}

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
bool LinNetwork::IsNameFreeIn(const std::string& name, const std::vector<std::string>& signalNames)
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
    const NameIndex slaveNames(slaves);
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
        EraseIf(representation->signalNames, [&](const std::string& n) { return n == signalName; });
    if (SignalRepresentation* representation = FindRepresentation(encodingName))
        representation->AddSignal(signalName);
}

void LinNetwork::AlignRepresentations()
{
    const NameIndex typeNames(encodingTypes);
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

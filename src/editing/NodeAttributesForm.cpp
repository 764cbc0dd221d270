#include "editing/NodeAttributesForm.h"

#include "editing/NumberText.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/Rename.h"
#include "model/UniqueNames.h"
#include "reader/TextScanner.h"
#include "writer/LdfWriter.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Stored when no NAD is selected.
constexpr int kNoNadSelected = 128;
constexpr int kLastNad = 127;

std::string SelectedIf(const std::vector<std::string>& choices, const std::string& value)
{
    return std::find(choices.begin(), choices.end(), value) != choices.end() ? value : std::string();
}

std::string Unsigned(int value) { return std::to_string(static_cast<unsigned>(value)); }

}  // namespace

std::string ConfigurableFrameChoice::ItemText() const { return frameName + " (" + std::to_string(messageId) + ")"; }

const std::vector<std::string>& NodeAttributesForm::ProtocolChoices() { return lin::SupportedVersions(); }

std::vector<std::string> NodeAttributesForm::NadChoices() { return NumberChoices(1, kLastNad); }

std::vector<std::string> NodeAttributesForm::SignalChoices(const LinNetwork& network)
{
    return RecordNames(network.signals);
}

NodeAttributesForm NodeAttributesForm::Read(LinNetwork& network, int slaveIndex)
{
    NodeAttributesForm form;
    if (slaveIndex < 0 || static_cast<std::size_t>(slaveIndex) >= network.slaves.size())
        return form;
    form.name = network.slaves[static_cast<std::size_t>(slaveIndex)]->name;
    const NodeAttributes& a = network.AttributesOf(form.name);
    form.protocol = SelectedIf(ProtocolChoices(), a.protocol);
    form.configuredNad = a.configuredNad >= 1 && a.configuredNad <= kLastNad ? std::to_string(a.configuredNad) : "";
    form.responseErrorSignal = SelectedIf(SignalChoices(network), a.responseErrorSignal);
    form.p2Min = FormatShortestNumber(a.p2MinMs);
    form.stMin = FormatShortestNumber(a.stMinMs);
    form.supplierId = Unsigned(a.supplierId);
    form.functionId = Unsigned(a.functionId);
    form.variant = Unsigned(a.variant);

    std::unordered_map<std::string, std::size_t> positionOfFrame;
    for (const auto& frame : network.frames) {
        positionOfFrame.emplace(frame->name, form.frames.size());
        form.frames.push_back(ConfigurableFrameChoice{frame->name});
    }
    for (const auto& configurable : a.configurableFrames) {
        const auto found = positionOfFrame.find(configurable->frameName);
        if (found == positionOfFrame.end())
            continue;
        ConfigurableFrameChoice& choice = form.frames[found->second];
        choice.checked = true;
        choice.messageId = configurable->messageId;
        choice.hasMessageId = configurable->hasMessageId;
    }
    return form;
}

void NodeAttributesForm::Commit(LinNetwork& network, int slaveIndex) const
{
    if (slaveIndex < 0 || static_cast<std::size_t>(slaveIndex) >= network.slaves.size())
        return;
    network.RemoveOrphanNodeAttributes();
    const auto index = static_cast<std::size_t>(slaveIndex);
    // An emptied name field keeps the name the slave had.
    const std::string uniqueName =
        MakeUniqueSlaveName(network, name.empty() ? network.slaves[index]->name : name, slaveIndex);
    // Whatever named the slave, its attributes included, follows the new name.
    RenameSlave(network, index, uniqueName);
    NodeAttributes& a = network.AttributesOf(uniqueName);
    StoreNumber(a.supplierId, supplierId, kSupplierIdField);
    StoreNumber(a.functionId, functionId, kFunctionIdField);
    StoreNumber(a.variant, variant, kVariantField);
    // A version named by its standard is no choice of the list: with nothing
    // chosen, it stays.
    if (!protocol.empty())
        a.protocol = protocol;
    else if (!lin::IsNamedVersion(a.protocol))
        a.protocol = lin::kStandardVersionText;
    a.configuredNad = configuredNad.empty() ? kNoNadSelected : ParseInt(configuredNad);
    a.responseErrorSignal = responseErrorSignal;
    StoreNumber(a.p2MinMs, p2Min, kMillisecondsField);
    StoreNumber(a.stMinMs, stMin, kMillisecondsField);
    a.configurableFrames.clear();
    for (std::size_t i = 0; i < frames.size() && i < network.frames.size(); ++i) {
        if (!frames[i].checked)
            continue;
        auto frame = std::make_unique<ConfigurableFrame>(network.frames[i]->name, frames[i].messageId);
        frame->hasMessageId = frames[i].hasMessageId;
        a.configurableFrames.Append(std::move(frame));
    }
}

std::optional<int> MessageIdOf(const std::string& text)
{
    return NumberFieldValue(text, NodeAttributesForm::kMessageIdField);
}

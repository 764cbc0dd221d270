#include "editing/NodeAttributesForm.h"

#include "editing/NumberDisplay.h"
#include "editing/NumberText.h"
#include "ldf/TextScanner.h"
#include "model/Contains.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/Rename.h"
#include "model/UniqueNames.h"
#include "writer/LdfWriter.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Stored when no NAD is selected.
constexpr int kNoNadSelected = 128;
constexpr int kLastNad = 127;
constexpr int kFullByte = 0xFF;
// The model's mark of a value the file did not give.
constexpr double kNotGiven = -1;
// A product id without variant holds two values.
constexpr int kProductIdWithoutVariant = 2;
constexpr int kFullProductId = 3;

std::string SelectedIf(const std::vector<std::string>& choices, const std::string& value)
{
    return Contains(choices, value) ? value : std::string();
}

// The choices with the current value last when they lack it.
std::vector<std::string> WithCurrent(std::vector<std::string> choices, const std::string& current)
{
    if (!current.empty() && !Contains(choices, current))
        choices.push_back(current);
    return choices;
}

std::string Unsigned(int value) { return IdText(static_cast<unsigned>(value)); }

std::optional<std::string> GivenTime(double value)
{
    if (value == kNotGiven)
        return std::nullopt;
    return FormatShortestNumber(value);
}

// A time or percentage as typed: nothing when not given, an empty field 0;
// a text that is no number of the field's range leaves the value as it was.
void StoreTime(double& target, const std::optional<std::string>& text)
{
    if (!text) {
        target = kNotGiven;
        return;
    }
    if (text->empty()) {
        target = 0;
        return;
    }
    if (ClassifyNumberText(*text, NodeAttributesForm::kTimeRange) == NumberTextState::Valid)
        target = ParseDouble(*text);
}

// The frames of the slave's list put in the places the checked frames take
// among the choices, in the list's order; entries that name no unconditional
// frame, or one already placed, follow the frames.
void PlaceConfigurableFrames(const NodeAttributes& attributes, std::vector<ConfigurableFrameChoice>& frames)
{
    std::unordered_map<std::string, std::size_t> positionOfFrame;
    for (std::size_t i = 0; i < frames.size(); ++i)
        positionOfFrame.emplace(frames[i].frameName, i);
    std::vector<std::size_t> places;
    for (const auto& configurable : attributes.configurableFrames) {
        const auto found = positionOfFrame.find(configurable->frameName);
        if (found != positionOfFrame.end() && !frames[found->second].checked) {
            frames[found->second].checked = true;
            places.push_back(found->second);
        } else {
            places.push_back(frames.size());
            frames.push_back(ConfigurableFrameChoice{configurable->frameName, true});
        }
    }
    std::sort(places.begin(), places.end());
    for (std::size_t k = 0; k < places.size(); ++k) {
        const ConfigurableFrame& configurable = *attributes.configurableFrames[k];
        frames[places[k]] =
            ConfigurableFrameChoice{configurable.frameName, true, configurable.messageId, configurable.hasMessageId};
    }
}

}  // namespace

std::string ConfigurableFrameChoice::ItemText() const
{
    return hasMessageId ? frameName + " (" + IdText(messageId) + ")" : frameName;
}

std::vector<std::string> NodeAttributesForm::ProtocolChoices(const std::string& current)
{
    const std::vector<std::string>& choices = lin::HeaderProtocolVersions();
    return lin::IsSupportedVersion(current) ? WithCurrent(choices, current) : choices;
}

std::vector<std::string> NodeAttributesForm::NadChoices(const std::string& current)
{
    return WithCurrent(IdChoices(1, kLastNad), current);
}

std::vector<std::string> NodeAttributesForm::SignalChoices(const LinNetwork& network)
{
    return RecordNames(network.signals);
}

std::vector<std::string> NodeAttributesForm::PublishedSignals(const LinNetwork& network, const std::string& node)
{
    std::vector<std::string> published;
    for (const auto& signal : network.signals)
        if (signal->publisher == node)
            published.push_back(signal->name);
    return published;
}

bool NodeAttributesForm::HasJ2602Attributes(const LinNetwork& network, const std::string& protocol)
{
    return lin::RowOfText(protocol).j2602Timings || lin::RowOfText(network.protocolVersionText).j2602Timings ||
           lin::RowOfText(network.languageVersionText).j2602Timings;
}

NodeAttributesForm NodeAttributesForm::Read(LinNetwork& network, int slaveIndex)
{
    NodeAttributesForm form;
    if (slaveIndex < 0 || static_cast<std::size_t>(slaveIndex) >= network.slaves.size())
        return form;
    form.name = network.slaves[static_cast<std::size_t>(slaveIndex)]->name;
    const NodeAttributes& a = network.AttributesOf(form.name);
    form.protocol = SelectedIf(ProtocolChoices(a.protocol), a.protocol);
    // LIN 2.1 files keep any byte; the list then offers it.
    form.configuredNad = a.configuredNad >= 0 && a.configuredNad <= kFullByte ? IdText(a.configuredNad) : "";
    if (a.initialNad >= 0)
        form.initialNad = Unsigned(a.initialNad);
    form.responseErrorSignal = SelectedIf(SignalChoices(network), a.responseErrorSignal);
    form.faultStateSignals = TextsOf(a.faultStateSignals);
    form.p2Min = GivenTime(a.p2MinMs);
    form.stMin = GivenTime(a.stMinMs);
    form.nAsTimeout = GivenTime(a.nAsTimeoutMs);
    form.nCrTimeout = GivenTime(a.nCrTimeoutMs);
    form.supplierId = Unsigned(a.supplierId);
    form.functionId = Unsigned(a.functionId);
    if (a.productIdCount != kProductIdWithoutVariant)
        form.variant = Unsigned(a.variant);
    form.responseTolerance = GivenTime(a.responseTolerancePercent);
    form.wakeupTime = GivenTime(a.wakeupTimeMs);
    form.powerOnTime = GivenTime(a.powerOnTimeMs);

    // Frames the user checks are listed the way the node's version lists them.
    const bool byNameAlone = lin::HasLin21Attributes(a.protocol);
    for (const auto& frame : network.frames) {
        ConfigurableFrameChoice choice{frame->name};
        choice.hasMessageId = !byNameAlone;
        form.frames.push_back(choice);
    }
    PlaceConfigurableFrames(a, form.frames);
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
        MakeUniqueSlaveName(network, name.empty() ? network.slaves[index]->name.str() : name, slaveIndex);
    // Whatever named the slave, its attributes included, follows the new name.
    RenameSlave(network, index, uniqueName);
    NodeAttributes& a = network.AttributesOf(uniqueName);
    StoreNumber(a.supplierId, supplierId, kSupplierIdField);
    StoreNumber(a.functionId, functionId, kFunctionIdField);
    if (!variant) {
        a.productIdCount = kProductIdWithoutVariant;
    } else {
        StoreNumber(a.variant, *variant, kVariantField);
        if (a.productIdCount == kProductIdWithoutVariant)
            a.productIdCount = kFullProductId;
    }
    // A version named by its standard is no choice of the list: with nothing
    // chosen, it stays.
    if (!protocol.empty())
        a.protocol = protocol;
    else if (!lin::IsNamedVersion(a.protocol))
        a.protocol = lin::kStandardVersionText;
    a.configuredNad = configuredNad.empty() ? kNoNadSelected : ParseInt(configuredNad);
    if (!initialNad)
        a.initialNad = -1;
    else
        StoreNumber(a.initialNad, *initialNad, kInitialNadField);
    a.responseErrorSignal = responseErrorSignal;
    a.faultStateSignals = NamesOf(faultStateSignals);
    StoreTime(a.p2MinMs, p2Min);
    StoreTime(a.stMinMs, stMin);
    StoreTime(a.nAsTimeoutMs, nAsTimeout);
    StoreTime(a.nCrTimeoutMs, nCrTimeout);
    StoreTime(a.responseTolerancePercent, responseTolerance);
    StoreTime(a.wakeupTimeMs, wakeupTime);
    StoreTime(a.powerOnTimeMs, powerOnTime);
    a.configurableFrames.clear();
    for (const ConfigurableFrameChoice& choice : frames) {
        if (!choice.checked || choice.frameName.empty())
            continue;
        auto frame = std::make_unique<ConfigurableFrame>(choice.frameName, choice.messageId);
        frame->hasMessageId = choice.hasMessageId;
        a.configurableFrames.Append(std::move(frame));
    }
}

std::optional<int> MessageIdOf(const std::string& text)
{
    return NumberFieldValue(text, NodeAttributesForm::kMessageIdField);
}

bool MoveChoice(std::vector<ConfigurableFrameChoice>& frames, int row, int step)
{
    const int target = row + step;
    const int count = static_cast<int>(frames.size());
    if (row < 0 || row >= count || target < 0 || target >= count || (step != 1 && step != -1))
        return false;
    std::swap(frames[static_cast<std::size_t>(row)], frames[static_cast<std::size_t>(target)]);
    return true;
}

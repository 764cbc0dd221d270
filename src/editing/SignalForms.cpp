#include "editing/SignalForms.h"

#include "editing/NumberDisplay.h"
#include "editing/NumberText.h"
#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "model/Rename.h"

#include <algorithm>

namespace {

constexpr int kScalarBits = 16;
constexpr int kByteArrayBits = 64;
constexpr int kBitsPerByte = 8;

}  // namespace

std::vector<std::string> SignalForm::LengthChoices(bool byteArray)
{
    return byteArray ? NumberChoices(kBitsPerByte, kByteArrayBits, kBitsPerByte) : NumberChoices(1, kScalarBits);
}

std::vector<std::string> SignalForm::NodeChoices(const LinNetwork& network)
{
    std::vector<std::string> nodes{network.masterName};
    const std::vector<std::string> slaves = RecordNames(network.slaves);
    nodes.insert(nodes.end(), slaves.begin(), slaves.end());
    return nodes;
}

std::vector<std::string> SignalForm::EncodingChoices(const LinNetwork& network)
{
    std::vector<std::string> encodings{std::string()};
    const std::vector<std::string> types = RecordNames(network.encodingTypes);
    encodings.insert(encodings.end(), types.begin(), types.end());
    return encodings;
}

std::vector<std::string> SignalForm::InitAfterAdd(std::vector<std::string> values, int value, bool byteArray)
{
    if (!byteArray)
        values.clear();
    values.push_back(IdText(value));
    return values;
}

SignalForm SignalForm::Read(const LinNetwork& network, int index)
{
    const LinSignal* signal = network.signals.RecordAt(index);
    if (!signal)
        return {};
    SignalForm form{signal->name,
                    std::to_string(signal->size),
                    signal->isByteArray,
                    {},
                    signal->publisher,
                    TextsOf(signal->subscribers),
                    {}};
    const std::size_t shown =
        signal->isByteArray ? signal->initValues.size() : std::min<std::size_t>(1, signal->initValues.size());
    for (std::size_t i = 0; i < shown; ++i)
        form.initValues.push_back(IdText(signal->initValues[i]));
    for (const auto& representation : network.signalRepresentations) {
        const auto& names = representation->signalNames;
        if (std::find(names.begin(), names.end(), signal->name) != names.end()) {
            form.encoding = representation->encodingName;
            break;
        }
    }
    return form;
}

void SignalForm::Commit(LinNetwork& network, int index) const
{
    if (!network.signals.Exists(index))
        return;
    if (!name.empty())
        RenameSignal(network, static_cast<std::size_t>(index), MakeUniqueName(network.signals, name, index));
    LinSignal& signal = *network.signals[static_cast<std::size_t>(index)];
    signal.size = ParseInt(length);
    signal.isByteArray = byteArray;
    const std::size_t kept = byteArray ? static_cast<std::size_t>(std::max(signal.size, 0) / kBitsPerByte) : 1;
    signal.initValues.clear();
    for (std::size_t i = 0; i < initValues.size() && i < kept; ++i)
        signal.initValues.push_back(static_cast<std::uint16_t>(ParseInt(initValues[i])));
    signal.publisher = publisher;
    signal.subscribers = NamesOf(subscribers);
    network.AssignSignalToEncoding(encoding, signal.name);
}

std::vector<std::string> SignalRepForm::SignalChoices(const LinNetwork& network)
{
    return RecordNames(network.signals);
}

SignalRepForm SignalRepForm::Read(const LinNetwork& network, int index)
{
    const SignalRepresentation* representation = network.signalRepresentations.RecordAt(index);
    return representation ? SignalRepForm{representation->encodingName, TextsOf(representation->signalNames)}
                          : SignalRepForm{};
}

void SignalRepForm::Commit(LinNetwork& network, int index) const
{
    if (SignalRepresentation* representation = network.signalRepresentations.RecordAt(index))
        representation->signalNames = NamesOf(signalNames);
}

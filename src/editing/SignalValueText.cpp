#include "editing/SignalValueText.h"

#include "editing/NumberDisplay.h"
#include "model/LinNetwork.h"
#include "validation/FrameCodec.h"

#include <charconv>

namespace {

std::string ValueText(const SignalReading& signal)
{
    if (!signal.problem.empty())
        return signal.problem;
    const std::string meaning = MeaningText(signal.meaning);
    if (!meaning.empty())
        return meaning;
    return signal.shape.isByteArray ? RawText(signal.shape, signal.raw) : IdText(static_cast<long long>(signal.raw));
}

}  // namespace

FrameDataTexts DecodeFrameData(const LinNetwork& network, const std::string& frame, const std::string& hexBytes)
{
    FrameDataTexts texts;
    FrameData bytes;
    if (!ReadHexBytes(hexBytes, bytes)) {
        texts.error = "not bytes in hex";
        return texts;
    }
    if (bytes.empty())
        return texts;
    const FrameReading reading = FrameCodec(network).Decode(frame, bytes);
    texts.error = reading.error;
    for (const SignalReading& signal : reading.signals)
        texts.values.push_back(ValueText(signal));
    return texts;
}

SignalShape ShapeOf(const std::string& lengthText, bool byteArray)
{
    SignalShape shape;
    shape.isByteArray = byteArray;
    std::from_chars(lengthText.data(), lengthText.data() + lengthText.size(), shape.size);
    return shape;
}

const EncodingType* FindEncodingType(const LinNetwork& network, const std::string& name)
{
    for (const auto& encoding : network.encodingTypes)
        if (encoding->name == name)
            return encoding.get();
    return nullptr;
}

std::string MeaningOfRawText(const EncodingType* encoding, const SignalShape& shape, const std::string& rawText)
{
    const RawValueResult raw = ReadSignalValue(nullptr, shape, rawText);
    if (!raw)
        return raw.error;
    const std::string meaning = MeaningText(InterpretRaw(encoding, shape, raw.raw));
    return meaning.empty() ? RawText(shape, raw.raw) : meaning;
}

std::string RawOfValueText(const EncodingType* encoding, const SignalShape& shape, const std::string& valueText)
{
    const RawValueResult raw = ReadSignalValue(encoding, shape, valueText);
    return raw ? RawText(shape, raw.raw) : raw.error;
}

#pragma once

#include "validation/SignalCoding.h"

#include <string>
#include <vector>

class LinNetwork;

// What the editor shows of signal values: each signal's decoded value for
// the frame layout picture's "Data" field, and the signal sheet's converter
// line between a raw value and what it means.

struct FrameDataTexts {
    // By position in the frame's signal list: "10 degC", the raw value where
    // the encoding says nothing, or why the signal has no value.
    std::vector<std::string> values;
    std::string error;  // why the data cannot be decoded; empty when it could
};

// Bytes typed in hex; an empty text decodes to nothing and is no error.
FrameDataTexts DecodeFrameData(const LinNetwork& network, const std::string& frame, const std::string& hexBytes);

// The shape of a signal as its sheet shows it: the length in bits as text.
SignalShape ShapeOf(const std::string& lengthText, bool byteArray);
// The encoding type of that name; null when there is none.
const EncodingType* FindEncodingType(const LinNetwork& network, const std::string& name);
// A raw value typed (decimal, 0x hex, a byte array's bytes) as the encoding
// type reads it; the reason when the text is no raw value of the signal.
std::string MeaningOfRawText(const EncodingType* encoding, const SignalShape& shape, const std::string& rawText);
// A value typed (as encode takes it) as its raw value; the reason when the
// encoding type refuses it.
std::string RawOfValueText(const EncodingType* encoding, const SignalShape& shape, const std::string& valueText);

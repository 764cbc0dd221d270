#pragma once

#include "model/InitValues.h"
#include "model/NameList.h"
#include "model/OwnedList.h"
#include "model/UnreadStatement.h"

#include <cstdint>
#include <string>
#include <vector>

// Records that describe signals and the interpretation of their values.

struct LinSignal {
    explicit LinSignal(std::string signalName = {}) : name(std::move(signalName)) {}
    ~LinSignal() = default;
    LinSignal(const LinSignal&) = default;
    LinSignal& operator=(const LinSignal&) = default;

    // Fills the field that fillCount names: 0 name, 1 size, 2 initial value
    // (unless a byte array), 3 publisher, 4 (kSubscriberFields) subscribers.
    void AddParameter(std::string text);
    // Appends one byte of a byte-array initial value.
    void AddInitByte(const std::string& text);
    // The initial value a network without one has: 0 for a scalar, and for
    // a byte array one zero byte per 8 bits of size (1 to 8 bytes).
    std::vector<std::uint16_t> InitialValueInEffect() const;

    // A network holds many signals: the small members come last and the
    // field count takes one byte, so no padding makes a record larger.
    InitValues initValues;
    NameList subscribers;
    Name name;
    Name publisher;
    int size = 0;
    // Stops at kSubscriberFields: every later field is a subscriber too.
    std::uint8_t fillCount = 1;
    bool isByteArray = false;

    static constexpr std::uint8_t kSubscriberFields = 4;
};

struct SignalGroup {
    SignalGroup() = default;
    ~SignalGroup() = default;
    SignalGroup(const SignalGroup&) = default;
    SignalGroup& operator=(const SignalGroup&) = default;

    // 0: the name; 1: the size, decimal digits only (else size 0 and false).
    bool AddParameter(const std::string& text);
    bool AddSignal(const std::string& signalName, const std::string& offsetText);

    Name name;
    int groupSize = -1;
    int fillCount = 0;
    NameList signalNames;
    std::vector<std::uint32_t> offsets;
};

struct EncodingValue {
    EncodingValue(int v = 0, std::string t = {}) : value(v), text(std::move(t)) {}
    ~EncodingValue() = default;
    EncodingValue(const EncodingValue&) = default;
    EncodingValue& operator=(const EncodingValue&) = default;

    int value = 0;
    std::string text;
};

struct PhysicalRange {
    PhysicalRange(int lo = 0, int hi = 0, double s = 0.0, double o = 0.0, std::string t = {})
        : min(lo), max(hi), scale(s), offset(o), text(std::move(t))
    {
    }
    ~PhysicalRange() = default;
    PhysicalRange(const PhysicalRange&) = default;
    PhysicalRange& operator=(const PhysicalRange&) = default;

    int min = 0;
    int max = 0;
    double scale = 0.0;  // as read, at full precision
    double offset = 0.0;
    std::string text;
};

struct EncodingType {
    explicit EncodingType(std::string typeName = {}) : name(std::move(typeName)) {}
    ~EncodingType() = default;
    EncodingType(const EncodingType&) = default;
    EncodingType& operator=(const EncodingType&) = default;

    void AddLogicalValue(int value, const std::string& text);
    void AddPhysicalRange(int min, int max, double scale, double offset, const std::string& text);
    // Null when the index is not below the count.
    const EncodingValue* GetLogicalValue(int index) const;
    const PhysicalRange* GetPhysicalRange(int index) const;

    Name name;
    OwnedList<EncodingValue> logicalValues;
    OwnedList<PhysicalRange> physicalRanges;
    int bcdCount = 0;
    int asciiCount = 0;
    UnreadStatements unread;
};

struct SignalRepresentation {
    explicit SignalRepresentation(std::string encoding = {}) : encodingName(std::move(encoding)) {}
    ~SignalRepresentation() = default;
    SignalRepresentation(const SignalRepresentation&) = default;
    SignalRepresentation& operator=(const SignalRepresentation&) = default;

    void AddSignal(const std::string& signalName) { signalNames.push_back(signalName); }

    Name encodingName;
    NameList signalNames;
};

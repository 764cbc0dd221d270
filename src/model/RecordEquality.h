#pragma once

#include "model/FrameRecords.h"
#include "model/KeptStatement.h"
#include "model/NodeRecords.h"
#include "model/OwnedList.h"
#include "model/SignalRecords.h"
#include "model/UnreadStatement.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>

// Exact, member-wise equality of the records of a network: two records are
// equal when every member holds the same value, so that the editor's undo
// can tell which records an edit changed. Numbers with a fraction compare
// by their bits (-0.0 is not 0.0, and a NaN equals itself), since either
// form is written back as it is held.
template <typename T> bool SameValue(const T& a, const T& b)
{
    if constexpr (std::is_floating_point_v<T>)
        return std::memcmp(&a, &b, sizeof(T)) == 0;
    else
        return a == b;
}

bool operator==(const LinNode& a, const LinNode& b);
bool operator==(const ConfigurableFrame& a, const ConfigurableFrame& b);
bool operator==(const NodeAttributes& a, const NodeAttributes& b);
bool operator==(const CompositeNode& a, const CompositeNode& b);
bool operator==(const CompositeConfiguration& a, const CompositeConfiguration& b);
bool operator==(const DiagnosticAddress& a, const DiagnosticAddress& b);
bool operator==(const LinSignal& a, const LinSignal& b);
bool operator==(const SignalGroup& a, const SignalGroup& b);
bool operator==(const EncodingValue& a, const EncodingValue& b);
bool operator==(const PhysicalRange& a, const PhysicalRange& b);
bool operator==(const EncodingType& a, const EncodingType& b);
bool operator==(const SignalRepresentation& a, const SignalRepresentation& b);
bool operator==(const LinFrame& a, const LinFrame& b);
bool operator==(const EventTriggeredFrame& a, const EventTriggeredFrame& b);
bool operator==(const SporadicFrame& a, const SporadicFrame& b);
bool operator==(const DiagnosticSignal& a, const DiagnosticSignal& b);
bool operator==(const DiagnosticFrame& a, const DiagnosticFrame& b);
bool operator==(const OtherDiagnosticFrame& a, const OtherDiagnosticFrame& b);
bool operator==(const ScheduleEntry& a, const ScheduleEntry& b);
bool operator==(const ScheduleTable& a, const ScheduleTable& b);
bool operator==(const KeptStatement& a, const KeptStatement& b);
bool operator==(const UnreadStatement& a, const UnreadStatement& b);

// An entry of a list of records or of values: records owned through a
// pointer compare by what they hold.
template <typename T> bool SameEntry(const T& a, const T& b) { return a == b; }
template <typename T> bool SameEntry(const std::unique_ptr<T>& a, const std::unique_ptr<T>& b)
{
    return a && b ? *a == *b : a == b;
}

// Lists are equal when they hold equal records in the same order (not the
// same record objects).
template <typename T> bool operator==(const OwnedList<T>& a, const OwnedList<T>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const std::unique_ptr<T>& x, const std::unique_ptr<T>& y) { return SameEntry(x, y); });
}

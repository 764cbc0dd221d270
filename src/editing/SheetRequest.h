#pragma once

#include <string>

// The property sheets of the editor, one per kind of record.
enum class SheetId {
    None,
    NetworkSheet,
    MasterSheet,
    NAttSheet,
    SignalSheet,
    SignalRepSheet,
    FrameSheet,
    FrameOffSheet,
    ScheduleNameSheet,
    ScheduleSheet,
    SigEncSheet,
    EncValSheet,
    ETFrameSheet,
    SporadicFrmSheet,
    DynFrmSheet,
    CompConfigSheet,
    CompFuncSheet,
    SignalGroupSheet,
};

// Captions the openers give the sheets. Shown to users verbatim and matched
// by tests; keep the spelling.
namespace sheetcaption {
inline constexpr const char* Properties = "Properties";
inline constexpr const char* Attributes = "Attributes";
inline constexpr const char* Master = "Master";
inline constexpr const char* DynamicFrames = "Dynamic Frames";
inline constexpr const char* SporadicFrame = "Sporadic Frame";
inline constexpr const char* EventTriggeredFrame = "Event Triggered Frame";
inline constexpr const char* Configuration = "Configuration";
inline constexpr const char* Representation = "Representation";
inline constexpr const char* Frame = "Frame";
inline constexpr const char* Offset = "Offset";
inline constexpr const char* Signals = "Signals";
inline constexpr const char* Schedule = "Schedule";
inline constexpr const char* FrameProperties = "Frame properties";
inline constexpr const char* EncodingType = "Encoding Type";
inline constexpr const char* EncodingValue = "Encoding type";
inline constexpr const char* SignalEncoding = "Signal Encoding";
inline constexpr const char* SignalGroup = "Signal Group";
}  // namespace sheetcaption

// Which sheet a command opens, with the caption the opener gives it and the
// record(s) it edits. The indexes are list positions that were checked
// against the network when the request was made.
struct SheetRequest {
    SheetId sheet = SheetId::None;
    std::string caption;
    int index = -1;   // the record in its list; -1 for sheets without one
    int second = -1;  // composite node, encoding value, schedule entry or signal of a frame

    explicit operator bool() const { return sheet != SheetId::None; }
};

#pragma once

#include <string>

// The words of the LDF language, shared by the reader and the writer.
// Comparisons are exact and case-sensitive.
namespace kw {

inline constexpr const char* DescriptionFile = "LIN_description_file";
inline constexpr const char* ProtocolVersion = "LIN_protocol_version";
inline constexpr const char* LanguageVersion = "LIN_language_version";
inline constexpr const char* Speed = "LIN_speed";
inline constexpr const char* Kbps = "kbps";
inline constexpr const char* ChannelName = "Channel_name";
inline constexpr const char* FileRevision = "LDF_file_revision";
inline constexpr const char* BigEndian = "LIN_sig_byte_order_big_endian";
inline constexpr const char* LittleEndian = "LIN_sig_byte_order_little_endian";
inline constexpr const char* Nodes = "Nodes";
inline constexpr const char* DiagnosticAddresses = "Diagnostic_addresses";
inline constexpr const char* Master = "Master";
inline constexpr const char* Slaves = "Slaves";
// The J2602:2021 words for master and slaves.
inline constexpr const char* Commander = "Commander";
inline constexpr const char* Responders = "Responders";
inline constexpr const char* Ms = "ms";
inline constexpr const char* Bits = "bits";
inline constexpr const char* Percent = "%";
inline constexpr const char* Delay = "delay";
inline constexpr const char* Signals = "Signals";
inline constexpr const char* DiagnosticSignals = "Diagnostic_signals";
inline constexpr const char* Frames = "Frames";
inline constexpr const char* SporadicFrames = "Sporadic_frames";
inline constexpr const char* EventTriggeredFrames = "Event_triggered_frames";
inline constexpr const char* DiagnosticFrames = "Diagnostic_frames";
// The only ids of the two diagnostic frames.
inline constexpr int MasterReqId = 0x3C;
inline constexpr int SlaveRespId = 0x3D;
inline constexpr const char* DynamicFrames = "dynamic_frames";
inline constexpr const char* ScheduleTables = "Schedule_tables";
inline constexpr const char* MasterReq = "MasterReq";
inline constexpr const char* SlaveResp = "SlaveResp";
inline constexpr const char* AssignFrameId = "AssignFrameId";
inline constexpr const char* UnassignFrameId = "UnassignFrameId";
inline constexpr const char* AssignNad = "AssignNAD";
inline constexpr const char* FreeFormat = "FreeFormat";
inline constexpr const char* AssignFrameIdRange = "AssignFrameIdRange";
inline constexpr const char* ConditionalChangeNad = "ConditionalChangeNAD";
inline constexpr const char* DataDump = "DataDump";
inline constexpr const char* SaveConfiguration = "SaveConfiguration";
inline constexpr const char* SignalGroups = "Signal_groups";
inline constexpr const char* SignalEncodingTypes = "Signal_encoding_types";
inline constexpr const char* LogicalValue = "logical_value";
inline constexpr const char* PhysicalValue = "physical_value";
inline constexpr const char* BcdValue = "bcd_value";
inline constexpr const char* AsciiValue = "ascii_value";
inline constexpr const char* SignalRepresentation = "Signal_representation";
inline constexpr const char* SignalRepresentations = "Signal_representations";
inline constexpr const char* NodeAttributes = "Node_attributes";
inline constexpr const char* LinProtocol = "LIN_protocol";
inline constexpr const char* ConfiguredNad = "configured_NAD";
inline constexpr const char* InitialNad = "initial_NAD";
inline constexpr const char* FaultStateSignals = "fault_state_signals";
inline constexpr const char* NAsTimeout = "N_As_timeout";
inline constexpr const char* NCrTimeout = "N_Cr_timeout";
inline constexpr const char* ResponseTolerance = "response_tolerance";
inline constexpr const char* WakeupTime = "wakeup_time";
inline constexpr const char* PowerOnTime = "poweron_time";
inline constexpr const char* ProductId = "product_id";
inline constexpr const char* ResponseError = "response_error";
inline constexpr const char* P2Min = "P2_min";
inline constexpr const char* StMin = "ST_min";
inline constexpr const char* ConfigurableFrames = "configurable_frames";
inline constexpr const char* Composite = "composite";
inline constexpr const char* Configuration = "configuration";
inline constexpr const char* Slave1 = "Slave1";
// The byte signals of a diagnostic frame: <frame>B0 to <frame>B7.
inline std::string DiagnosticSignalName(const char* frame, int byte)
{
    return std::string(frame) + "B" + std::to_string(byte);
}
// The signature line of the header comment the writer puts atop every file.
inline constexpr const char* Signature = "";

}  // namespace kw

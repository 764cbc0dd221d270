#pragma once

#include "model/FrameRecords.h"
#include "model/KeptStatement.h"
#include "model/LinVersion.h"
#include "model/Name.h"
#include "model/NodeRecords.h"
#include "model/SignalRecords.h"
#include "model/UnreadStatement.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// The byte-order statement of the header, kept only when the file has one.
enum class SignalByteOrder { NotGiven, BigEndian, LittleEndian };

// What a LIN network is, without how it was read: the header values, the
// master, one ordered owning list per kind of entity, the two diagnostic
// frames and the header comment. Copying it copies every record and nothing
// of the file text or the reader's messages, so its size follows the
// network (the editor's undo takes one while an edit runs, to find what the
// edit changed). A header value of -1 (or -1.0) means the file did not give
// it. Every member is listed in ForEachContentMember as well
// (NetworkContentMembers.h); the build checks that none is missing there.
struct NetworkContent {
    bool descriptionFileSeen = false;
    float protocolVersion = -1.0f;
    float languageVersion = -1.0f;
    // The versions as the file gives them ("2.1", "J2602_1_1.0"); the numbers
    // above are derived from them. Empty for a network not read from a file.
    std::string protocolVersionText;
    std::string languageVersionText;
    float speedKbps = -1.0f;
    std::optional<std::string> channelName;
    std::optional<std::string> fileRevision;
    SignalByteOrder byteOrder = SignalByteOrder::NotGiven;
    Name masterName;
    int timeBaseMs = -1;
    float jitterMs = -1.0f;
    // J2602 master: header length in bit times and response tolerance in %.
    int maxHeaderBits = -1;
    double masterTolerancePercent = -1;
    // The master's line gave its name alone: it is written so while the
    // time base and jitter are the standard ones the repair put in.
    bool masterTimingOmitted = false;
    bool MasterTimingStandsIn() const
    {
        return masterTimingOmitted && timeBaseMs == lin::kStandardTimeBaseMs && jitterMs == lin::kStandardJitterMs &&
               maxHeaderBits < 0;
    }
    // The file names master and slaves Commander and Responders.
    bool commanderWords = false;
    OwnedList<LinNode> slaves;
    OwnedList<DiagnosticAddress> diagnosticAddresses;
    OwnedList<SporadicFrame> sporadicFrames;
    OwnedList<EventTriggeredFrame> eventTriggeredFrames;
    std::vector<DiagnosticSignal> diagnosticSignals;  // as read; empty when the file had none
    DiagnosticFrame masterRequest;
    DiagnosticFrame slaveResponse;
    std::vector<OtherDiagnosticFrame> otherDiagnosticFrames;  // in the file's order
    OwnedList<LinSignal> signals;
    OwnedList<SignalGroup> signalGroups;
    std::vector<unsigned> dynamicFrameIds;
    OwnedList<LinFrame> frames;
    OwnedList<ScheduleTable> scheduleTables;
    OwnedList<EncodingType> encodingTypes;
    OwnedList<SignalRepresentation> signalRepresentations;
    OwnedList<NodeAttributes> nodeAttributes;
    OwnedList<CompositeConfiguration> compositeConfigurations;
    std::string headerComment;
    std::vector<KeptStatement> keptStatements;
    // Statements of a section the reader could not take, by the section's
    // keyword; those inside a record's block are kept by the record.
    std::map<std::string, UnreadStatements> unreadInSections;
};

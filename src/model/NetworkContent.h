#pragma once

#include "model/FrameRecords.h"
#include "model/KeptStatement.h"
#include "model/NodeRecords.h"
#include "model/SignalRecords.h"

#include <string>
#include <vector>

// What a LIN network is, without how it was read: the header values, the
// master, one ordered owning list per kind of entity, the two diagnostic
// frames and the header comment. Copying it copies every record and nothing
// of the file text or the reader's messages, so its size follows the
// network (the editor's undo keeps such copies). A header value of -1 (or
// -1.0) means the file did not give it.
struct NetworkContent {
    bool descriptionFileSeen = false;
    float protocolVersion = -1.0f;
    float languageVersion = -1.0f;
    float speedKbps = -1.0f;
    std::string masterName;
    int timeBaseMs = -1;
    float jitterMs = -1.0f;
    OwnedList<LinNode> slaves;
    OwnedList<DiagnosticAddress> diagnosticAddresses;
    OwnedList<SporadicFrame> sporadicFrames;
    OwnedList<EventTriggeredFrame> eventTriggeredFrames;
    std::vector<DiagnosticSignal> diagnosticSignals;  // as read; empty when the file had none
    DiagnosticFrame masterRequest;
    DiagnosticFrame slaveResponse;
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
};

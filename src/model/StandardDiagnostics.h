#pragma once

#include "model/NetworkContent.h"

#include <vector>

// What a network has when its file leaves the diagnostic signals out: each
// diagnostic frame carries eight one-byte signals, "<frame>B0" to
// "<frame>B7", at offsets 0, 8, ... 56, all with initial value 0.

// The standard content of MasterReq or SlaveResp (the frame's keyword).
DiagnosticFrame StandardDiagnosticFrame(const char* frameKeyword);

// The frame's content as it stands, or the standard one when it has no signal.
DiagnosticFrame DiagnosticFrameInEffect(const DiagnosticFrame& frame, const char* frameKeyword);

// The signals of the file's Diagnostic_signals section, or the standard
// signals of both frames when it gave none.
std::vector<DiagnosticSignal> DiagnosticSignalsInEffect(const NetworkContent& network);

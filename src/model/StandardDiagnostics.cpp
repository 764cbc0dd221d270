#include "model/StandardDiagnostics.h"

#include "ldf/Keywords.h"

namespace {

constexpr int kDiagnosticBytes = 8;
constexpr int kByteBits = 8;

}  // namespace

DiagnosticFrame StandardDiagnosticFrame(const char* frameKeyword)
{
    DiagnosticFrame frame;
    for (int i = 0; i < kDiagnosticBytes; ++i) {
        frame.signalNames.push_back(kw::DiagnosticSignalName(frameKeyword, i));
        frame.offsets.push_back(static_cast<std::uint32_t>(kByteBits * i));
    }
    return frame;
}

DiagnosticFrame DiagnosticFrameInEffect(const DiagnosticFrame& frame, const char* frameKeyword)
{
    return frame.signalNames.empty() ? StandardDiagnosticFrame(frameKeyword) : frame;
}

std::vector<DiagnosticSignal> DiagnosticSignalsInEffect(const NetworkContent& network)
{
    if (!network.diagnosticSignals.empty())
        return network.diagnosticSignals;
    std::vector<DiagnosticSignal> signals;
    for (const char* frame : {kw::MasterReq, kw::SlaveResp})
        for (int i = 0; i < kDiagnosticBytes; ++i)
            signals.push_back({kw::DiagnosticSignalName(frame, i), kByteBits, 0});
    return signals;
}

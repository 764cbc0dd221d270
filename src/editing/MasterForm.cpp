#include "editing/MasterForm.h"

#include "ldf/Keywords.h"
#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/Rename.h"
#include "writer/LdfWriter.h"

#include <cmath>

namespace {

// Long enough for any tolerance the sheet shows.
constexpr std::size_t kMaxToleranceLength = 32;

bool HasJ2602Pair(const LinNetwork& network)
{
    return network.maxHeaderBits >= 0 && network.masterTolerancePercent >= 0;
}

void CommitTolerance(double& percent, const std::string& typed)
{
    if (typed == FormatShortestNumber(percent) || !AcceptDecimalText(typed, kMaxToleranceLength))
        return;
    const double value = ParseDouble(typed);
    if (std::isfinite(value) && value >= 0)
        percent = value;
}

}  // namespace

MasterForm MasterForm::Read(const LinNetwork& network)
{
    MasterForm form{network.masterName, std::to_string(network.timeBaseMs), FormatLdfFloat(network.jitterMs)};
    form.j2602Given = HasJ2602Pair(network);
    form.maxHeaderBits = std::to_string(form.j2602Given ? network.maxHeaderBits : lin::kJ2602MaxHeaderBits);
    form.tolerancePercent =
        FormatShortestNumber(form.j2602Given ? network.masterTolerancePercent : lin::kJ2602MasterTolerancePercent);
    form.j2602Offered = form.j2602Given || lin::RowOfText(network.protocolVersionText).j2602Timings ||
                        lin::RowOfText(network.languageVersionText).j2602Timings;
    return form;
}

void MasterForm::Commit(LinNetwork& network) const
{
    RenameMaster(network, name.empty() ? std::string(kw::Master) : name);
    StoreNumber(network.timeBaseMs, timeBase, kTimeBaseField);
    network.jitterMs = static_cast<float>(ParseDouble(jitter));
    if (!j2602Given) {
        network.maxHeaderBits = -1;
        network.masterTolerancePercent = -1;
        return;
    }
    // A pair given only now starts from the defaults, so that a refused
    // field cannot leave half of it absent.
    if (!HasJ2602Pair(network)) {
        network.maxHeaderBits = lin::kJ2602MaxHeaderBits;
        network.masterTolerancePercent = lin::kJ2602MasterTolerancePercent;
    }
    StoreNumber(network.maxHeaderBits, maxHeaderBits, kHeaderBitsField);
    CommitTolerance(network.masterTolerancePercent, tolerancePercent);
}

#include "editing/MasterForm.h"

#include "editing/NumberText.h"
#include "model/LinNetwork.h"
#include "model/Rename.h"
#include "reader/Keywords.h"
#include "reader/TextScanner.h"

MasterForm MasterForm::Read(const LinNetwork& network)
{
    return MasterForm{network.masterName, std::to_string(network.timeBaseMs), FormatFixed(network.jitterMs, 2)};
}

void MasterForm::Commit(LinNetwork& network) const
{
    RenameMaster(network, name.empty() ? std::string(kw::Master) : name);
    StoreNumber(network.timeBaseMs, timeBase, kTimeBaseField);
    network.jitterMs = static_cast<float>(ParseDouble(jitter));
}

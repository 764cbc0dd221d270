#include "editing/CompositionForms.h"

#include "model/LinNetwork.h"
#include "model/Rename.h"

#include <unordered_set>

CompConfigForm CompConfigForm::Read(const LinNetwork& network, int configuration)
{
    const CompositeConfiguration* record = network.compositeConfigurations.RecordAt(configuration);
    return record ? CompConfigForm{record->name} : CompConfigForm{};
}

void CompConfigForm::Commit(LinNetwork& network, int configuration) const
{
    const CompositeConfiguration* record = network.compositeConfigurations.RecordAt(configuration);
    if (!record)
        return;
    const std::string typed = name.empty() ? record->name.str() : name;
    RenameCompositeConfiguration(network, static_cast<std::size_t>(configuration),
                                 MakeUniqueName(network.compositeConfigurations, typed, configuration));
}

namespace {

// The composite node, const as the network is; null for indexes out of range.
template <typename Network> auto* CompositeNodeAt(Network& network, int configuration, int node)
{
    auto* owner = network.compositeConfigurations.RecordAt(configuration);
    return owner ? owner->compositeNodes.RecordAt(node) : nullptr;
}

}  // namespace

CompositeNodeForm CompositeNodeForm::Read(const LinNetwork& network, int configuration, int node)
{
    CompositeNodeForm form;
    const CompositeNode* record = CompositeNodeAt(network, configuration, node);
    if (!record)
        return form;
    form.name = record->name;
    const std::unordered_set<std::string> listed(record->logicalNodes.begin(), record->logicalNodes.end());
    for (const auto& slave : network.slaves)
        form.functionalNodes.push_back(Choice{slave->name, listed.count(slave->name) > 0});
    return form;
}

void CompositeNodeForm::Commit(LinNetwork& network, int configuration, int node) const
{
    CompositeNode* record = CompositeNodeAt(network, configuration, node);
    if (!record)
        return;
    record->logicalNodes.clear();
    for (const Choice& choice : functionalNodes)
        if (choice.checked)
            record->logicalNodes.push_back(choice.slave);
    const auto& siblings = network.compositeConfigurations[static_cast<std::size_t>(configuration)]->compositeNodes;
    const std::string typed = name.empty() ? record->name.str() : name;
    RenameCompositeNode(network, static_cast<std::size_t>(configuration), static_cast<std::size_t>(node),
                        MakeUniqueName(siblings, typed, node));
}

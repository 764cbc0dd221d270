#include "editing/SignalGroupForm.h"

#include "model/LinNetwork.h"
#include "model/Rename.h"
#include "model/UniqueNames.h"

#include <algorithm>

std::vector<std::string> SignalGroupForm::SignalChoices(const LinNetwork& network) const
{
    std::vector<std::string> choices;
    for (const auto& signal : network.signals) {
        const bool member =
            std::any_of(members.begin(), members.end(), [&](const Member& m) { return m.signal == signal->name; });
        if (!member)
            choices.push_back(signal->name);
    }
    return choices;
}

std::optional<int> SignalGroupForm::AddSignal(const LinNetwork& network, const std::string& signal)
{
    const std::vector<std::string> choices = SignalChoices(network);
    if (std::find(choices.begin(), choices.end(), signal) == choices.end())
        return std::nullopt;
    int offset = 0;
    if (!members.empty()) {
        const LinSignal* last = network.FindSignal(members.back().signal);
        offset = members.back().offset + (last ? last->size : 0);
    }
    members.push_back({signal, offset});
    return static_cast<int>(members.size()) - 1;
}

void SignalGroupForm::Remove(int row)
{
    if (row >= 0 && static_cast<std::size_t>(row) < members.size())
        members.erase(members.begin() + row);
}

std::string SignalGroupForm::SetOffset(int row, const std::string& text)
{
    if (row < 0 || static_cast<std::size_t>(row) >= members.size())
        return {};
    const IntegerEntry entry = CheckIntegerEntry(text, kOffsetRange);
    if (entry.value)
        members[static_cast<std::size_t>(row)].offset = *entry.value;
    return entry.message;
}

std::vector<std::string> SignalGroupForm::MemberTexts() const
{
    std::vector<std::string> texts;
    for (const Member& member : members)
        texts.push_back(member.signal + ", " + std::to_string(member.offset));
    return texts;
}

SignalGroupForm SignalGroupForm::Read(const LinNetwork& network, int index)
{
    SignalGroupForm form;
    const SignalGroup* group = network.signalGroups.RecordAt(index);
    if (!group)
        return form;
    form.name = group->name;
    form.size = group->groupSize >= 0 ? std::to_string(group->groupSize) : std::string();
    for (std::size_t i = 0; i < group->signalNames.size(); ++i)
        form.members.push_back(
            {group->signalNames[i], i < group->offsets.size() ? static_cast<int>(group->offsets[i]) : 0});
    return form;
}

std::string SignalGroupForm::SizeProblem() const { return CheckIntegerEntry(size, kSizeRange).message; }

void SignalGroupForm::Commit(LinNetwork& network, int index) const
{
    SignalGroup* group = network.signalGroups.RecordAt(index);
    if (!group)
        return;
    if (const std::optional<int> bits = CheckIntegerEntry(size, kSizeRange).value)
        group->groupSize = *bits;
    group->signalNames.clear();
    group->offsets.clear();
    for (const Member& member : members) {
        group->signalNames.push_back(member.signal);
        group->offsets.push_back(static_cast<std::uint32_t>(member.offset));
    }
    const std::string typed = name.empty() ? group->name.str() : name;
    RenameSignalGroup(network, static_cast<std::size_t>(index),
                      MakeUniqueNameAcross(typed, index, network.signalGroups, network.signals));
}

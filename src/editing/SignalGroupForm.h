#pragma once

#include "editing/EntryRules.h"

#include <optional>
#include <string>
#include <vector>

class LinNetwork;

// What the signal group sheet shows and writes: the name, the size in bits
// and a working copy of the signals the group places, each at its bit
// offset. Adding and removing members changes the copy only, so a cancelled
// sheet leaves the group as it was.
struct SignalGroupForm {
    struct Member {
        std::string signal;
        int offset = 0;
    };

    std::string name;
    std::string size;  // bits
    std::vector<Member> members;

    static constexpr IntegerRange kSizeRange{0, 64};
    static constexpr IntegerRange kOffsetRange{0, 63};

    // The signals that are not members yet, in network order: a signal
    // stands in a group at most once.
    std::vector<std::string> SignalChoices(const LinNetwork& network) const;
    // Appends the signal at the first bit after the last member (0 for the
    // first); returns its row, nothing for a name the choices do not offer.
    std::optional<int> AddSignal(const LinNetwork& network, const std::string& signal);
    void Remove(int row);
    // The offset typed for a member: the text's message when it is no
    // offset (nothing changed then), empty when stored.
    std::string SetOffset(int row, const std::string& text);
    // "<signal>, <offset>", as the file states a member.
    std::vector<std::string> MemberTexts() const;

    // An index that names no group gives an empty form.
    static SignalGroupForm Read(const LinNetwork& network, int index);
    // What is wrong with the size; empty when it can be stored.
    std::string SizeProblem() const;
    // The name, unique among the groups and unlike every signal (an empty
    // one keeps the old); the size when SizeProblem has nothing to say; the
    // members replace the group's.
    void Commit(LinNetwork& network, int index) const;
};

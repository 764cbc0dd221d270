#pragma once

#include "model/LinNetwork.h"

#include <string>
#include <unordered_set>

// The names of one list, for membership tests inside loops over a network.
// Built once per pass; it does not follow later changes of the list.
class NameIndex {
public:
    NameIndex() = default;

    template <typename Record>
    explicit NameIndex(const OwnedList<Record>& list)
    {
        m_names.reserve(list.size());
        for (const auto& record : list)
            m_names.insert(RecordName(*record));
    }

    bool Contains(const std::string& name) const { return m_names.count(name) != 0; }
    // False when the name was in the index already.
    bool Insert(const std::string& name) { return m_names.insert(name).second; }

private:
    std::unordered_set<std::string> m_names;
};

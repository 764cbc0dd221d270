#include "reader/ListIndexes.h"

namespace {

// The text a block takes per record is far more than this, so an index is
// let go once a section or two have been read past it.
constexpr std::size_t kTextPerRecord = 16;

}  // namespace

void ListIndexes::BlockStartsAt(std::size_t position)
{
    m_position = position;
    for (auto& list : m_lists) {
        List& entry = list.second;
        if (entry.released || position < entry.askedAt ||
            position - entry.askedAt < kTextPerRecord * entry.names.Followed())
            continue;
        entry.names.Release();
        entry.trim(entry.records);
        entry.released = true;
    }
}

#include "model/NameList.h"

#include <limits>
#include <stdexcept>

void NameList::MoveTo(size_type capacity)
{
    if (capacity > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("name list too long");
    // The array of a list goes where its one name would lie: it is read
    // before the first name moves in.
    Name* const from = data();
    const bool fromArray = m_capacity != 0;
    Name* const array = capacity > 1 ? static_cast<Name*>(::operator new(capacity * sizeof(Name))) : nullptr;
    Name* const to = array ? array : Inline();
    for (size_type i = 0; i < m_size; ++i) {
        new (to + i) Name(std::move(from[i]));
        from[i].~Name();
    }
    if (fromArray)
        ::operator delete(from);
    if (array)
        m_heap = array;
    m_capacity = array ? static_cast<std::uint32_t>(capacity) : 0;
}

std::vector<std::string> TextsOf(const NameList& names) { return {names.begin(), names.end()}; }

NameList NamesOf(const std::vector<std::string>& texts) { return {texts.begin(), texts.end()}; }

bool ListsName(const NameList& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool operator==(const NameList& names, const std::vector<std::string>& texts)
{
    return std::equal(names.begin(), names.end(), texts.begin(), texts.end());
}

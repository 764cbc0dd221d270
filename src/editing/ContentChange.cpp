#include "editing/ContentChange.h"

#include "model/NetworkContentMembers.h"
#include "model/RecordEquality.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

class ContentChange::MemberChange {
public:
    virtual ~MemberChange() = default;
    virtual void ExchangeWith(NetworkContent& content) = 0;
};

namespace {

template <typename T> struct IsList : std::false_type {
};
template <typename T, typename A> struct IsList<std::vector<T, A>> : std::true_type {
};
template <typename T> struct IsList<OwnedList<T>> : std::true_type {
};

// A member that is not a list: its other value whole.
template <typename T> class ValueChange : public ContentChange::MemberChange {
public:
    ValueChange(T NetworkContent::*member, T value) : m_member(member), m_value(std::move(value)) {}
    void ExchangeWith(NetworkContent& content) override { std::swap(content.*m_member, m_value); }

private:
    T NetworkContent::*m_member;
    T m_value;
};

// A list: from index first on, count entries in the content stand where the
// change holds its entries.
template <typename List> class RangeChange : public ContentChange::MemberChange {
public:
    using Entries = std::vector<typename List::value_type>;

    RangeChange(List NetworkContent::*member, std::size_t first, std::size_t count, Entries entries)
        : m_member(member), m_first(first), m_count(count), m_entries(std::move(entries))
    {
    }

    void ExchangeWith(NetworkContent& content) override
    {
        List& list = content.*m_member;
        if (m_first > list.size() || m_count > list.size() - m_first)
            return;
        const auto first = list.begin() + static_cast<std::ptrdiff_t>(m_first);
        const auto last = first + static_cast<std::ptrdiff_t>(m_count);
        Entries replaced(std::make_move_iterator(first), std::make_move_iterator(last));
        const auto gap = list.erase(first, last);
        list.insert(gap, std::make_move_iterator(m_entries.begin()), std::make_move_iterator(m_entries.end()));
        m_count = m_entries.size();
        m_entries = std::move(replaced);
    }

private:
    List NetworkContent::*m_member;
    std::size_t m_first;
    std::size_t m_count;
    Entries m_entries;
};

template <typename List>
std::unique_ptr<ContentChange::MemberChange> ListChange(List NetworkContent::*member, List& before, const List& after)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t front = 0;
    while (front < shorter && SameEntry(before[front], after[front]))
        ++front;
    std::size_t back = 0;
    while (back < shorter - front && SameEntry(before[before.size() - 1 - back], after[after.size() - 1 - back]))
        ++back;
    if (front == before.size() && front == after.size())
        return nullptr;
    const auto first = before.begin() + static_cast<std::ptrdiff_t>(front);
    const auto last = before.end() - static_cast<std::ptrdiff_t>(back);
    typename RangeChange<List>::Entries entries(std::make_move_iterator(first), std::make_move_iterator(last));
    return std::make_unique<RangeChange<List>>(member, front, after.size() - front - back, std::move(entries));
}

template <typename T>
std::unique_ptr<ContentChange::MemberChange> MemberChangeOf(T NetworkContent::*member, NetworkContent& before,
                                                            const NetworkContent& after)
{
    if constexpr (IsList<T>::value)
        return ListChange(member, before.*member, after.*member);
    else if (SameValue(before.*member, after.*member))
        return nullptr;
    else
        return std::make_unique<ValueChange<T>>(member, std::move(before.*member));
}

}  // namespace

ContentChange::ContentChange() = default;
ContentChange::~ContentChange() = default;
ContentChange::ContentChange(ContentChange&&) noexcept = default;
ContentChange& ContentChange::operator=(ContentChange&&) noexcept = default;

ContentChange ContentChange::Between(NetworkContent&& before, const NetworkContent& after)
{
    ContentChange change;
    ForEachContentMember([&](auto member) {
        if (auto memberChange = MemberChangeOf(member, before, after))
            change.m_members.push_back(std::move(memberChange));
    });
    return change;
}

void ContentChange::ExchangeWith(NetworkContent& content)
{
    for (const auto& member : m_members)
        member->ExchangeWith(content);
}

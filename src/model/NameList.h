#pragma once

#include "model/Name.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A list of names as records hold them (a signal's subscribers, a frame's
// signals, an event-triggered frame's frames). Most such lists name one
// record, so one name lies inside the list and only a longer list takes an
// array of its own; otherwise it behaves as a vector of names.
class NameList {
public:
    using value_type = Name;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = Name&;
    using const_reference = const Name&;
    using iterator = Name*;
    using const_iterator = const Name*;

    NameList() noexcept {}
    NameList(std::initializer_list<Name> names) : NameList(names.begin(), names.end()) {}
    template <typename Iterator> NameList(Iterator first, Iterator last)
    {
        for (; first != last; ++first)
            push_back(Name(*first));
    }
    NameList(const NameList& other) : NameList(other.begin(), other.end()) {}
    NameList(NameList&& other) noexcept { Take(other); }
    NameList& operator=(const NameList& other)
    {
        if (this != &other) {
            NameList copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    NameList& operator=(NameList&& other) noexcept
    {
        if (this != &other) {
            Release();
            Take(other);
        }
        return *this;
    }
    ~NameList() { Release(); }

    size_type size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    Name* data() { return m_capacity == 0 ? Inline() : m_heap; }
    const Name* data() const { return m_capacity == 0 ? Inline() : m_heap; }
    iterator begin() { return data(); }
    iterator end() { return data() + m_size; }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + m_size; }
    Name& operator[](size_type i) { return data()[i]; }
    const Name& operator[](size_type i) const { return data()[i]; }
    Name& front() { return data()[0]; }
    const Name& front() const { return data()[0]; }
    Name& back() { return data()[m_size - 1]; }
    const Name& back() const { return data()[m_size - 1]; }

    void push_back(Name name)
    {
        reserve(m_size + 1);
        new (data() + m_size) Name(std::move(name));
        ++m_size;
    }
    iterator insert(const_iterator position, Name name)
    {
        const auto at = static_cast<size_type>(position - begin());
        push_back(std::move(name));
        std::rotate(begin() + at, end() - 1, end());
        return begin() + at;
    }
    iterator erase(const_iterator position) { return erase(position, position + 1); }
    iterator erase(const_iterator first, const_iterator last)
    {
        const auto from = static_cast<size_type>(first - begin());
        const auto count = static_cast<size_type>(last - first);
        std::move(begin() + from + count, end(), begin() + from);
        ShrinkTo(m_size - count);
        return begin() + from;
    }
    void resize(size_type count)
    {
        reserve(count);
        for (; m_size < count; ++m_size)
            new (data() + m_size) Name();
        ShrinkTo(count);
    }
    void clear() { ShrinkTo(0); }
    void reserve(size_type count)
    {
        if (count > Capacity())
            MoveTo(std::max(count, 2 * Capacity()));
    }
    void shrink_to_fit()
    {
        if (m_capacity != 0 && m_size < m_capacity)
            MoveTo(m_size);
    }

    friend bool operator==(const NameList& a, const NameList& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator!=(const NameList& a, const NameList& b) { return !(a == b); }

private:
    size_type Capacity() const { return m_capacity == 0 ? 1 : m_capacity; }
    Name* Inline() { return std::launder(reinterpret_cast<Name*>(m_inline)); }
    const Name* Inline() const { return std::launder(reinterpret_cast<const Name*>(m_inline)); }

    void ShrinkTo(size_type count)
    {
        for (; m_size > count; --m_size)
            data()[m_size - 1].~Name();
    }
    // Moves the names to an array of this capacity, or inside the list
    // when one name fits there.
    void MoveTo(size_type capacity);
    void Release()
    {
        ShrinkTo(0);
        if (m_capacity != 0)
            ::operator delete(m_heap);
        m_capacity = 0;
    }
    // From a list that gives up its names; this one is empty and holds no array.
    void Take(NameList& other) noexcept
    {
        m_size = other.m_size;
        if (other.m_capacity == 0) {
            if (other.m_size != 0)
                new (Inline()) Name(std::move(*other.Inline()));
            other.ShrinkTo(0);
        } else {
            m_heap = other.m_heap;
            m_capacity = other.m_capacity;
            other.m_capacity = 0;
            other.m_size = 0;
        }
    }

    union {
        alignas(Name) unsigned char m_inline[sizeof(Name)];
        Name* m_heap;
    };
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = 0;  // 0 while the list holds at most one name, inside
};

// Lists of names as the forms edit them (text), and back.
std::vector<std::string> TextsOf(const NameList& names);
NameList NamesOf(const std::vector<std::string>& texts);
bool ListsName(const NameList& names, std::string_view name);
// The same texts in the same order.
bool operator==(const NameList& names, const std::vector<std::string>& texts);
inline bool operator==(const std::vector<std::string>& texts, const NameList& names) { return names == texts; }

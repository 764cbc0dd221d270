#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

// A signal's initial value: one number, or the bytes of a byte array. Up to
// four lie inside the object, so the many scalar signals of a network make
// no allocation each for it and the object takes 16 bytes; a longer array
// goes to the heap.
class InitValues {
public:
    using value_type = std::uint16_t;
    using size_type = std::size_t;
    using iterator = std::uint16_t*;
    using const_iterator = const std::uint16_t*;

    InitValues() = default;
    InitValues(std::initializer_list<std::uint16_t> values) { Assign(values.begin(), values.size()); }
    InitValues(const std::vector<std::uint16_t>& values) { Assign(values.data(), values.size()); }
    InitValues(const InitValues& other) { Assign(other.data(), other.size()); }
    InitValues(InitValues&& other) noexcept { Take(other); }
    InitValues& operator=(const InitValues& other)
    {
        if (this != &other)
            Assign(other.data(), other.size());
        return *this;
    }
    InitValues& operator=(InitValues&& other) noexcept
    {
        if (this != &other) {
            Release();
            Take(other);
        }
        return *this;
    }
    ~InitValues() { Release(); }

    std::vector<std::uint16_t> ToVector() const { return {begin(), end()}; }

    bool empty() const { return m_size == 0; }
    size_type size() const { return m_size; }
    const std::uint16_t* data() const { return m_capacity == 0 ? m_inline : m_heap; }
    std::uint16_t* data() { return m_capacity == 0 ? m_inline : m_heap; }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + m_size; }
    iterator begin() { return data(); }
    iterator end() { return data() + m_size; }
    std::uint16_t operator[](size_type i) const { return data()[i]; }
    std::uint16_t& operator[](size_type i) { return data()[i]; }
    std::uint16_t front() const { return data()[0]; }

    void clear() { m_size = 0; }
    void push_back(std::uint16_t value)
    {
        Reserve(m_size + 1);
        data()[m_size++] = value;
    }
    void resize(size_type count, std::uint16_t value = 0)
    {
        Reserve(count);
        std::fill(data() + std::min<size_type>(m_size, count), data() + count, value);
        m_size = static_cast<std::uint32_t>(count);
    }

    friend bool operator==(const InitValues& a, const InitValues& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator!=(const InitValues& a, const InitValues& b) { return !(a == b); }

private:
    static constexpr std::uint32_t kInline = 4;

    size_type Capacity() const { return m_capacity == 0 ? kInline : m_capacity; }
    void Reserve(size_type count)
    {
        if (count <= Capacity())
            return;
        const size_type capacity = std::max(count, 2 * Capacity());
        auto* values = new std::uint16_t[capacity];
        std::copy(begin(), end(), values);
        Release();
        m_heap = values;
        m_capacity = static_cast<std::uint32_t>(capacity);
    }
    void Assign(const std::uint16_t* values, size_type count)
    {
        m_size = 0;
        Reserve(count);
        std::copy(values, values + count, data());
        m_size = static_cast<std::uint32_t>(count);
    }
    void Take(InitValues& other)
    {
        if (other.m_capacity == 0)
            std::copy(other.m_inline, other.m_inline + other.m_size, m_inline);
        else
            m_heap = other.m_heap;
        m_size = other.m_size;
        m_capacity = other.m_capacity;
        other.m_size = 0;
        other.m_capacity = 0;
    }
    void Release()
    {
        if (m_capacity != 0)
            delete[] m_heap;
        m_capacity = 0;
    }

    union {
        std::uint16_t m_inline[kInline] = {};
        std::uint16_t* m_heap;
    };
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = 0;  // 0 while the values lie inside
};

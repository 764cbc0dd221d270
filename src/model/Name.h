#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The name of an entity of a network, or a reference to one. A network
// names each node, frame and signal in many records, and most names are
// short: a name of up to 15 characters lies in the 16 bytes of the name
// itself, a longer one in a block of its own. Everything else about a name
// is its text: it converts to a string and a view, compares, orders and
// prints as its text.
class Name {
public:
    static constexpr std::size_t kInlineChars = 15;

    Name() { SetInline({}); }
    Name(std::string_view text) { Assign(text); }
    Name(const std::string& text) : Name(std::string_view(text)) {}
    Name(const char* text) : Name(std::string_view(text)) {}
    Name(const Name& other)
    {
        if (other.IsOnHeap())
            AssignToHeap(other.View());
        else
            std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    }
    Name(Name&& other) noexcept
    {
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.SetInline({});
    }
    Name& operator=(const Name& other)
    {
        if (this != &other) {
            Name copy(other);
            Swap(copy);
        }
        return *this;
    }
    Name& operator=(Name&& other) noexcept
    {
        Swap(other);
        return *this;
    }
    ~Name()
    {
        if (IsOnHeap())
            delete[] HeapText();
    }

    std::string_view View() const
    {
        return IsOnHeap() ? std::string_view(HeapText(), HeapSize())
                          : std::string_view(m_bytes, kInlineChars - static_cast<unsigned char>(m_bytes[kInlineChars]));
    }
    std::string str() const { return std::string(View()); }
    operator std::string() const { return str(); }
    operator std::string_view() const { return View(); }

    bool empty() const { return size() == 0; }
    std::size_t size() const { return View().size(); }
    std::size_t length() const { return size(); }
    // Both kinds end in a NUL: an inline name of 15 characters in its count
    // of unused places, which is then 0.
    const char* c_str() const { return View().data(); }
    const char* data() const { return View().data(); }
    std::string_view::const_iterator begin() const { return View().begin(); }
    std::string_view::const_iterator end() const { return View().end(); }
    char front() const { return View().front(); }
    char back() const { return View().back(); }
    char operator[](std::size_t position) const { return View()[position]; }
    std::size_t find(std::string_view part, std::size_t from = 0) const { return View().find(part, from); }
    std::size_t find(char c, std::size_t from = 0) const { return View().find(c, from); }
    std::string substr(std::size_t from, std::size_t count = std::string::npos) const
    {
        return std::string(View().substr(from, count));
    }
    int compare(std::string_view other) const { return View().compare(other); }
    void clear() { *this = Name(); }

    // Operators are found only for a name among the operands (hidden
    // friends), so comparing two strings never turns one into a name.
    template <typename Text>
    using IfText =
        std::enable_if_t<std::is_convertible_v<const Text&, std::string_view> && !std::is_same_v<Text, Name>, bool>;

    friend bool operator==(const Name& a, const Name& b)
    {
        // Unused inline places are zero, so two inline names are equal
        // exactly when their bytes are.
        if (!a.IsOnHeap() && !b.IsOnHeap())
            return std::memcmp(a.m_bytes, b.m_bytes, sizeof a.m_bytes) == 0;
        return a.View() == b.View();
    }
    friend bool operator!=(const Name& a, const Name& b) { return !(a == b); }
    friend bool operator<(const Name& a, const Name& b) { return a.View() < b.View(); }
    template <typename Text, IfText<Text> = true> friend bool operator==(const Name& a, const Text& b)
    {
        return a.View() == std::string_view(b);
    }
    template <typename Text, IfText<Text> = true> friend bool operator==(const Text& a, const Name& b)
    {
        return std::string_view(a) == b.View();
    }
    template <typename Text, IfText<Text> = true> friend bool operator!=(const Name& a, const Text& b)
    {
        return !(a == b);
    }
    template <typename Text, IfText<Text> = true> friend bool operator!=(const Text& a, const Name& b)
    {
        return !(b == a);
    }
    template <typename Text, IfText<Text> = true> friend bool operator<(const Name& a, const Text& b)
    {
        return a.View() < std::string_view(b);
    }
    template <typename Text, IfText<Text> = true> friend bool operator<(const Text& a, const Name& b)
    {
        return std::string_view(a) < b.View();
    }
    template <typename Text, IfText<Text> = true> friend std::string operator+(const Name& a, const Text& b)
    {
        return a.str().append(std::string_view(b));
    }
    template <typename Text, IfText<Text> = true> friend std::string operator+(const Text& a, const Name& b)
    {
        return std::string(std::string_view(a)).append(b.View());
    }
    friend std::string operator+(const Name& a, const Name& b) { return a.str().append(b.View()); }
    friend std::string operator+(const Name& a, char c) { return a.str() + c; }
    friend std::string operator+(char c, const Name& b) { return c + b.str(); }
    friend std::ostream& operator<<(std::ostream& out, const Name& name) { return out << name.View(); }

private:
    // The last byte tells the kind: the unused inline places (0 to 15) of
    // an inline name, kOnHeap for a name in a block of its own, whose
    // address and length then come first.
    static constexpr unsigned char kOnHeap = 0x80;

    bool IsOnHeap() const { return static_cast<unsigned char>(m_bytes[kInlineChars]) == kOnHeap; }
    const char* HeapText() const
    {
        const char* text;
        std::memcpy(&text, m_bytes, sizeof text);
        return text;
    }
    std::uint32_t HeapSize() const
    {
        std::uint32_t size;
        std::memcpy(&size, m_bytes + sizeof(char*), sizeof size);
        return size;
    }
    void SetInline(std::string_view text)
    {
        std::memset(m_bytes, 0, sizeof m_bytes);
        if (!text.empty())
            std::memcpy(m_bytes, text.data(), text.size());
        m_bytes[kInlineChars] = static_cast<char>(kInlineChars - text.size());
    }
    void Assign(std::string_view text)
    {
        if (text.size() <= kInlineChars)
            SetInline(text);
        else
            AssignToHeap(text);
    }
    void AssignToHeap(std::string_view text);
    void Swap(Name& other) noexcept
    {
        char bytes[sizeof m_bytes];
        std::memcpy(bytes, m_bytes, sizeof bytes);
        std::memcpy(m_bytes, other.m_bytes, sizeof bytes);
        std::memcpy(other.m_bytes, bytes, sizeof bytes);
    }

    alignas(8) char m_bytes[16];
};

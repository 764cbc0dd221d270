#include "model/Name.h"

#include <limits>
#include <stdexcept>

void Name::AssignToHeap(std::string_view text)
{
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("name too long");
    char* block = new char[text.size() + 1];
    std::memcpy(block, text.data(), text.size());
    block[text.size()] = '\0';
    const auto size = static_cast<std::uint32_t>(text.size());
    std::memset(m_bytes, 0, sizeof m_bytes);
    std::memcpy(m_bytes, &block, sizeof block);
    std::memcpy(m_bytes + sizeof block, &size, sizeof size);
    m_bytes[kInlineChars] = static_cast<char>(kOnHeap);
}

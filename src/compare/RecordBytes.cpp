#include "compare/RecordBytes.h"

#include <algorithm>
#include <limits>

RecordBytes::RecordBytes(Where where)
{
    if (where == Where::TemporaryFile)
        m_file = std::tmpfile();
}

RecordBytes::~RecordBytes()
{
    if (m_file)
        std::fclose(m_file);
}

void RecordBytes::Append(const std::string& bytes)
{
    if (!m_file) {
        m_memory += bytes;
    } else {
        // A write that follows a read must place the file's position first.
        if (m_readSince && std::fseek(m_file, 0, SEEK_END) != 0)
            m_failed = true;
        m_readSince = false;
        if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
            m_failed = true;
    }
    m_size += bytes.size();
}

std::string RecordBytes::Read(std::uint64_t start, std::uint64_t end) const
{
    if (start > end || end > m_size)
        return {};
    const auto length = static_cast<std::size_t>(end - start);
    if (!m_file)
        return m_memory.substr(static_cast<std::size_t>(start), length);
    const bool inWindow = start >= m_windowStart && end <= m_windowStart + m_window.size();
    if (!inWindow && !ReadWindow(start, length)) {
        m_failed = true;
        return {};
    }
    return m_window.substr(static_cast<std::size_t>(start - m_windowStart), length);
}

bool RecordBytes::ReadWindow(std::uint64_t start, std::size_t length) const
{
    const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(std::max(length, kWindowBytes), m_size - start));
    m_window.resize(size);
    m_windowStart = start;
    m_readSince = true;
    if (start <= static_cast<std::uint64_t>(std::numeric_limits<long>::max()) &&
        std::fseek(m_file, static_cast<long>(start), SEEK_SET) == 0 &&
        std::fread(m_window.data(), 1, size, m_file) == size)
        return true;
    m_window.clear();
    return false;
}

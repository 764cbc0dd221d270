#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The bytes of stored records, appended one record after another and read
// back by their places. They wait in a temporary file, so that they take no
// memory while another network is read, or in memory where no temporary
// file can be made (or where asked to).
class RecordBytes {
public:
    enum class Where { TemporaryFile, Memory };

    explicit RecordBytes(Where where = Where::TemporaryFile);
    ~RecordBytes();
    RecordBytes(const RecordBytes&) = delete;
    RecordBytes& operator=(const RecordBytes&) = delete;

    void Append(const std::string& bytes);
    bool InFile() const { return m_file != nullptr; }
    // The number of bytes appended: where the next record begins.
    std::uint64_t Size() const { return m_size; }
    // The bytes from start up to end; empty when the file cannot give them,
    // and Failed() from then on.
    std::string Read(std::uint64_t start, std::uint64_t end) const;
    // Whether the file lost or refused any bytes: what was read since may
    // be wrong.
    bool Failed() const { return m_failed; }

private:
    // Records are mostly read in the order they were appended: the file is
    // read a window at a time.
    static constexpr std::size_t kWindowBytes = std::size_t{64} << 10;

    bool ReadWindow(std::uint64_t start, std::size_t length) const;

    std::FILE* m_file = nullptr;
    std::string m_memory;  // the bytes, when there is no file
    std::uint64_t m_size = 0;
    mutable std::string m_window;  // the file's bytes from m_windowStart on
    mutable std::uint64_t m_windowStart = 0;
    mutable bool m_readSince = false;  // the file was read since the last append
    mutable bool m_failed = false;
};

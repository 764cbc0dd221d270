#pragma once

#include "compare/NetworkFields.h"
#include "compare/RecordBytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The sections of a network kept as compact bytes: every record is
// described once, encoded, and decoded again when asked for. A network
// compared with another need not stay in memory while the other is read,
// and its bytes wait in a temporary file (see RecordBytes).
//
// The sections it gives describe the same records, field for field, as the
// sections it was made of; they refer to the store, which must outlive them.
class StoredSections {
public:
    explicit StoredSections(const std::vector<NetworkSection>& sections,
                            RecordBytes::Where where = RecordBytes::Where::TemporaryFile);
    StoredSections(const StoredSections&) = delete;
    StoredSections& operator=(const StoredSections&) = delete;

    std::vector<NetworkSection> Sections() const;
    // Whether some record's bytes were lost: the sections given may be wrong.
    bool Failed() const { return m_tooLarge || m_bytes.Failed(); }

private:
    struct Section {
        std::string key;
        std::vector<std::string> path;
        bool single = false;
        std::size_t first = 0;  // the section's records in m_bounds
        std::size_t count = 0;
    };

    FieldValue Record(std::size_t number) const;
    // The bounds wait in the file behind the records while another network
    // is read, and come back when the first record is asked for.
    void MoveBoundsToFile();
    void BringBoundsBack() const;
    FieldValue Decode(const std::string& bytes, std::size_t& at) const;

    RecordBytes m_bytes;
    // Where each record's bytes begin, in the order kept, and where the
    // last one ends: record n lies between bounds n and n + 1. The bytes of
    // the largest file a load takes stay far below 4 GB.
    mutable std::vector<std::uint32_t> m_bounds{0};
    std::size_t m_boundCount = 0;
    std::uint64_t m_boundsStart = 0;  // where the bounds begin in the file
    mutable bool m_boundsInFile = false;
    bool m_tooLarge = false;
    // Records of one kind repeat their fields' names: each pair is kept once
    // and the bytes hold its number.
    std::vector<std::pair<std::string, std::string>> m_fieldNames;
    std::vector<Section> m_sections;
};

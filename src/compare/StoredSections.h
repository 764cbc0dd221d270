#pragma once

#include "compare/NetworkFields.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The sections of a network kept as compact bytes: every record is
// described once, encoded, and decoded again when asked for. A network
// compared with another need not stay in memory while the other is read,
// and its bytes take a fraction of what its records take.
//
// The sections it gives describe the same records, field for field, as the
// sections it was made of; they refer to the store, which must outlive them.
class StoredSections {
public:
    explicit StoredSections(const std::vector<NetworkSection>& sections);
    StoredSections(const StoredSections&) = delete;
    StoredSections& operator=(const StoredSections&) = delete;

    std::vector<NetworkSection> Sections() const;

private:
    // Where a record's bytes begin: every record lies whole in one block.
    struct Place {
        std::size_t block;
        std::size_t offset;
    };
    struct Section {
        std::string key;
        std::vector<std::string> path;
        bool single = false;
        std::vector<Place> starts;
    };

    // The bytes fill blocks of a fixed size, not one buffer that grows:
    // growing would copy them and, for a moment, take their room three times.
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

    Place Keep(const std::string& record);
    FieldValue Decode(const std::string& bytes, std::size_t& at) const;

    std::vector<std::string> m_blocks;
    // Records of one kind repeat their fields' names: each pair is kept once
    // and the bytes hold its number.
    std::vector<std::pair<std::string, std::string>> m_fieldNames;
    std::vector<Section> m_sections;
};

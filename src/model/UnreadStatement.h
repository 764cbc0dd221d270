#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A statement inside a block that the reader could not take, kept as it
// stood so that saving in the file's layout gives it back in its place.
struct UnreadStatement {
    std::string text;          // as written, line ends as LF
    int line = 0;              // where it began in the text it was read from
    std::size_t position = 0;  // how many records of its block were read before it
};

using UnreadStatements = std::vector<UnreadStatement>;

#pragma once

#include <string>

// A well-formed top-level statement the reader does not know ("word = ...;"
// or "word { ... }"), kept as it stood in the file so that writing the
// network gives it back in the same place. afterKeyword is the keyword of
// the last statement or section read before it, empty when it came first.
struct KeptStatement {
    std::string afterKeyword;
    std::string text;
};

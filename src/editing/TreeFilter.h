#pragma once

#include "validation/TreeOutline.h"

#include <string>
#include <vector>

class LinNetwork;

// Which items of the outline (laid out for the network) a find in the tree
// keeps: those whose text contains the typed text (ASCII letters compared
// without case) and, when the text is a number ("33" or "0x21"), the frames
// with that id; each with every ancestor so that they stay reachable. An
// empty text keeps every item.
std::vector<bool> ItemsMatchingFilter(const TreeOutline& outline, const LinNetwork& network, const std::string& text);

#pragma once

#include "validation/TreeOutline.h"

#include <string>
#include <vector>

// Which items of the outline a find in the tree keeps: those whose text
// contains the typed text (ASCII letters compared without case), with every
// ancestor so that they stay reachable. An empty text keeps every item.
std::vector<bool> ItemsMatchingFilter(const TreeOutline& outline, const std::string& text);

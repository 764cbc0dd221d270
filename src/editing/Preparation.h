#pragma once

#include "validation/TreeOutline.h"

class LinNetwork;

// The one preparation every change of a network ends with: the tidy-up
// (purges, default attributes, frame lengths) and the checks, then the
// layout of the tree. A network held outside a Document (the Python
// module's) is prepared here too.
TreeOutline PrepareNetwork(LinNetwork& network);

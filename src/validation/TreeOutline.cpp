#include "validation/TreeOutline.h"

#include "model/LinNetwork.h"

std::string TreeOutline::PathOf(int) const { return {}; }

TreeOutline PrepareTreeOutline(LinNetwork&) { return {}; }

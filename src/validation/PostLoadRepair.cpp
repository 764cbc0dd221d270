#include "validation/PostLoadRepair.h"

#include "model/LinNetwork.h"

void RunPostLoadRepair(LinNetwork&) {}

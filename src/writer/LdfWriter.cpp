#include "model/LinNetwork.h"

std::string LinNetwork::BuildLdfText() const { return {}; }

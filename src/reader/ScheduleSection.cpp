#include "model/LinNetwork.h"
#include "reader/SectionLoop.h"

void LinNetwork::ParseScheduleTables(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}


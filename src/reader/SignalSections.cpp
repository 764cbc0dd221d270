#include "model/LinNetwork.h"
#include "reader/SectionLoop.h"

void LinNetwork::ParseSignals(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseSignalGroups(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseEncodingTypes(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseRepresentations(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}


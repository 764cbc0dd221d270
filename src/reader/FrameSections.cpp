#include "model/LinNetwork.h"
#include "reader/SectionLoop.h"

void LinNetwork::ParseFrames(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseEventTriggeredFrames(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseSporadicFrames(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseDiagnosticFrames(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}


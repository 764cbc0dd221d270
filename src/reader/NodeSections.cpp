#include "model/LinNetwork.h"
#include "reader/SectionLoop.h"

void LinNetwork::ParseNodes(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseNodeAttributes(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseComposite(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}

void LinNetwork::ParseDiagnosticAddresses(int& pos, const std::string&)
{
    std::string pending;
    RunSectionLoop(*this, pos, pending, [&](char c) { pending += c; });
}


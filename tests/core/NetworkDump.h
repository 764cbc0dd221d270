#pragma once

#include <string>
#include <vector>

class LinNetwork;

// Every field of a network that describes the bus, one "where = value" line
// each, so that two networks compare line by line and a difference names
// its place. The reader's state (path, text, messages) and the fill counters
// are left out.
std::vector<std::string> DumpNetwork(const LinNetwork& network);

// Empty when the networks are equal, else the first differing lines.
std::string CompareNetworks(const LinNetwork& expected, const LinNetwork& actual);

#pragma once

#include "cli/JsonStream.h"
#include "compare/NetworkDiff.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

class LinNetwork;

// The version of the exported document's layout (docs/json-schema.md);
// raised whenever a member changes its meaning or goes away.
constexpr int kNetworkSchemaVersion = 1;

// The document as printed: indented, ending in a line break.
std::string JsonText(const nlohmann::ordered_json& document);

// export --json: the network's sections and the load's messages, written
// to out record by record.
void WriteNetworkDocument(std::ostream& out, const LinNetwork& network, const std::string& file);

// diff --json: one object per difference, each written to out when added.
class DifferencesDocument {
public:
    explicit DifferencesDocument(std::ostream& out);
    void Add(const Difference& difference);
    // Closes the document; nothing may be added after.
    void Finish();

private:
    JsonStream m_json;
};

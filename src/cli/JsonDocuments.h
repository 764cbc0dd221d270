#pragma once

#include "compare/NetworkDiff.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

class LinNetwork;

// The version of the exported document's layout (docs/json-schema.md);
// raised whenever a member changes its meaning or goes away.
constexpr int kNetworkSchemaVersion = 1;

nlohmann::ordered_json ToJson(const FieldValue& value);
// The document as printed: indented, ending in a line break.
std::string JsonText(const nlohmann::ordered_json& document);

// export --json: the network's sections and the load's messages.
nlohmann::ordered_json NetworkDocument(const LinNetwork& network, const std::string& file);

// diff --json: one object per difference.
nlohmann::ordered_json DifferencesDocument(const std::vector<Difference>& differences);

#pragma once

#include <string>
#include <vector>

class LinNetwork;

// What the network sheet shows and writes: the selected entry of each of
// its three lists, empty when none is selected.
struct NetworkForm {
    std::string protocolVersion;
    std::string languageVersion;
    std::string speed;

    static const std::vector<std::string>& VersionChoices();
    static const std::vector<std::string>& SpeedChoices();

    // Selects the entries equal to the stored values with one decimal.
    static NetworkForm Read(const LinNetwork& network);
    // An unselected list writes the standard value (2.0, 2.0, 19.2).
    void Commit(LinNetwork& network) const;
};

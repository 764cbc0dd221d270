#include "model/LinVersion.h"

#include "reader/TextScanner.h"

#include <algorithm>

namespace lin {

const std::vector<std::string>& SupportedVersions()
{
    static const std::vector<std::string> versions = {"1.2", "1.3", "2.0"};
    return versions;
}

bool IsSupportedVersion(const std::string& text)
{
    const auto& versions = SupportedVersions();
    return std::find(versions.begin(), versions.end(), text) != versions.end();
}

int MajorVersion(const std::string& text) { return ParseInt(text); }

bool HasLin2Attributes(const std::string& protocol) { return MajorVersion(protocol) >= 2; }

}  // namespace lin

#include "model/LinVersion.h"

#include "ldf/TextScanner.h"

#include <algorithm>
#include <cctype>

namespace lin {

namespace {

constexpr double kLin20 = 2.0;
constexpr double kLin22 = 2.2;

bool IsDigits(const std::string& text, std::size_t from, std::size_t to)
{
    if (from >= to || to > text.size())
        return false;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from), text.begin() + static_cast<std::ptrdiff_t>(to),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// "<digits>.<digits>" from the position to the end.
bool IsDottedNumber(const std::string& text, std::size_t from)
{
    const std::size_t dot = text.find('.', from);
    return dot != std::string::npos && IsDigits(text, from, dot) && IsDigits(text, dot + 1, text.size());
}

bool IsIsoVersion(const std::string& text)
{
    const std::size_t head = std::char_traits<char>::length(kIsoVersionPrefix);
    return StartsWith(text, kIsoVersionPrefix) && IsDigits(text, head, text.size());
}

// The major edition number of a J2602 version, -1 when the text is none.
int J2602Edition(const std::string& text)
{
    const std::size_t head = std::char_traits<char>::length(kJ2602VersionPrefix);
    const std::size_t part = text.find('_', head);
    if (!StartsWith(text, kJ2602VersionPrefix) || part == std::string::npos || !IsDigits(text, head, part) ||
        !IsDottedNumber(text, part + 1))
        return -1;
    return ParseInt(text.substr(part + 1));
}

}  // namespace

const std::vector<std::string>& SupportedVersions()
{
    static const std::vector<std::string> versions = {"1.2", "1.3", "2.0", "2.1", "2.2"};
    return versions;
}

namespace {

std::vector<std::string> HeaderVersions(const char* j2602Part)
{
    std::vector<std::string> versions = SupportedVersions();
    for (const char* year : {"2015", "2016"})
        versions.push_back(kIsoVersionPrefix + std::string(year));
    for (const char* edition : {"1.0", "2.0"})
        versions.push_back(kJ2602VersionPrefix + std::string(j2602Part) + "_" + edition);
    return versions;
}

}  // namespace

const std::vector<std::string>& HeaderProtocolVersions()
{
    static const std::vector<std::string> versions = HeaderVersions("1");
    return versions;
}

const std::vector<std::string>& HeaderLanguageVersions()
{
    static const std::vector<std::string> versions = HeaderVersions("3");
    return versions;
}

bool IsSupportedVersion(const std::string& text)
{
    const auto& versions = SupportedVersions();
    return std::find(versions.begin(), versions.end(), text) != versions.end() || IsNamedVersion(text);
}

bool IsNamedVersion(const std::string& text) { return IsIsoVersion(text) || IsJ2602Version(text); }

bool IsJ2602Version(const std::string& text) { return J2602Edition(text) >= 0; }

double VersionNumber(const std::string& text)
{
    if (IsIsoVersion(text))
        return kLin22;
    const int edition = J2602Edition(text);
    if (edition >= 0)
        return edition >= 2 ? kLin22 : kLin20;
    return IsDottedNumber(text, 0) || IsDigits(text, 0, text.size()) ? ParseDouble(text) : 0.0;
}

int MajorVersion(const std::string& text) { return static_cast<int>(VersionNumber(text)); }

bool HasLin2Attributes(const std::string& protocol) { return MajorVersion(protocol) >= 2; }

bool Lin2AttributesAreOptional(const std::string& protocol) { return IsJ2602Version(protocol); }

bool HasLin21Attributes(const std::string& protocol) { return VersionNumber(protocol) > kLin20; }

bool IsLin20OrOlder(const std::string& text) { return !IsNamedVersion(text) && VersionNumber(text) <= kLin20; }

bool ShowsVersionText(const std::string& text, float number)
{
    return !text.empty() && !IsLin20OrOlder(text) && static_cast<float>(VersionNumber(text)) == number;
}

}  // namespace lin

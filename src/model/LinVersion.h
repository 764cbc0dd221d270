#pragma once

#include <string>
#include <vector>

// What the editor knows of the LIN versions: the versions it offers, the
// standard header of a network and what a version brings. A version is kept
// as the text the file gives ("2.0"); its number is derived from that text.
namespace lin {

// The protocol and language versions offered, oldest first.
const std::vector<std::string>& SupportedVersions();
bool IsSupportedVersion(const std::string& text);

// The standard header: a new network has it, and the post-load repair
// restores it where a file gives no or a wrong value.
inline constexpr const char* kStandardVersionText = "2.0";
inline constexpr float kStandardVersion = 2.0f;
inline constexpr const char* kStandardSpeedText = "19.2";
inline constexpr float kStandardSpeedKbps = 19.2f;
inline constexpr int kStandardTimeBaseMs = 10;
inline constexpr float kStandardJitterMs = 0.1f;

// The major number of a version text: 2 for "2.0", 0 for a text without digits.
int MajorVersion(const std::string& text);

// The LIN 2 node attributes (NAD, product id, response error, P2/ST min,
// configurable frames) apply from protocol 2 on ("2.0", not "1.3").
bool HasLin2Attributes(const std::string& protocol);

}  // namespace lin

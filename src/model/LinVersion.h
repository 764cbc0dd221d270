#pragma once

#include <string>
#include <vector>

// What the editor knows of the LIN versions: the versions it offers, the
// standard header of a network and what a version brings. A version is kept
// as the text the file gives ("2.0", "2.1", "ISO17987:2016", "J2602_1_1.0");
// its number is derived from that text.
namespace lin {

// The protocol and language versions offered, oldest first.
const std::vector<std::string>& SupportedVersions();
bool IsSupportedVersion(const std::string& text);

// The versions a network header (and a node's protocol) offers, oldest
// first: the supported LIN numbers, the ISO 17987 editions and the J2602
// editions of the part that names that line (J2602-1 the protocol, J2602-3
// the language).
const std::vector<std::string>& HeaderProtocolVersions();
const std::vector<std::string>& HeaderLanguageVersions();

// The standard header: a new network has it, and the post-load repair
// restores it where a file gives no or a wrong value.
inline constexpr const char* kStandardVersionText = "2.0";
inline constexpr float kStandardVersion = 2.0f;
inline constexpr const char* kStandardSpeedText = "19.2";
inline constexpr float kStandardSpeedKbps = 19.2f;
inline constexpr int kStandardTimeBaseMs = 10;
inline constexpr float kStandardJitterMs = 0.1f;

// The bit rates a LIN bus runs at.
inline constexpr float kMinSpeedKbps = 1.0f;
inline constexpr float kMaxSpeedKbps = 20.0f;

// What a J2602 master states when it gives its header length and response
// tolerance: 1.4 times the nominal 34 bit times, and 40 %.
inline constexpr int kJ2602MaxHeaderBits = 48;
inline constexpr double kJ2602MasterTolerancePercent = 40;

// ISO 17987 versions: "ISO17987:" and the edition year.
inline constexpr const char* kIsoVersionPrefix = "ISO17987:";
// SAE J2602 versions: "J2602_<part>_<major>.<minor>".
inline constexpr const char* kJ2602VersionPrefix = "J2602_";

// True for a version named by its standard (ISO 17987, J2602) rather than by
// a LIN number.
bool IsNamedVersion(const std::string& text);

// True for a SAE J2602 version of any part and edition.
bool IsJ2602Version(const std::string& text);

// The LIN version number a version text stands for: the number itself, 2.2
// for ISO 17987 and J2602 editions from 2.0 on (they build on LIN 2.2A), 2.0
// for the J2602 editions before. 0 for a text that is none of these.
double VersionNumber(const std::string& text);

// The major number of a version text: 2 for "2.0", 0 for a text without digits.
int MajorVersion(const std::string& text);

// The LIN 2 node attributes (NAD, product id, response error, P2/ST min,
// configurable frames) apply from protocol 2 on ("2.0", not "1.3").
bool HasLin2Attributes(const std::string& protocol);
// A J2602 node has product_id, P2_min and ST_min only when given; a node of
// any other LIN 2 version always has them, defaults standing in.
bool Lin2AttributesAreOptional(const std::string& protocol);
// Initial NAD, fault state signals, the N_As/N_Cr timeouts and frames listed
// by name alone apply from protocol 2.1 on.
bool HasLin21Attributes(const std::string& protocol);

// True for a version the LIN 2.0 format already knew: a number up to 2.0.
// Everything written for such a version keeps the LIN 2.0 layout.
bool IsLin20OrOlder(const std::string& text);

// True when a header version beyond LIN 2.0 is shown and written as the text
// the file gave: while that text still stands for the number (an edit of the
// number makes the number count).
bool ShowsVersionText(const std::string& text, float number);

}  // namespace lin

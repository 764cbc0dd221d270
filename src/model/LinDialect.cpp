#include "model/LinDialect.h"

#include "ldf/TextScanner.h"
#include "model/LinVersion.h"

namespace lin {

namespace {

struct DialectTexts {
    Dialect dialect;
    const char* name;
    const char* caption;
    const char* protocolVersion;
    const char* languageVersion;
    const char* nodeProtocol;
};

constexpr DialectTexts kDialectTexts[] = {
    {Dialect::Lin20, "2.0", "LIN 2.0", "2.0", "2.0", "2.0"},
    {Dialect::Lin21, "2.1", "LIN 2.1", "2.1", "2.1", "2.1"},
    {Dialect::Lin22, "2.2", "LIN 2.2A", "2.2", "2.2", "2.2"},
    {Dialect::Iso17987, "iso17987", "ISO 17987", "ISO17987:2016", "ISO17987:2016", "2.2"},
    {Dialect::J2602, "j2602", "SAE J2602", "J2602_1_1.0", "J2602_3_1.0", "2.0"},
};

const DialectTexts& TextsOf(Dialect dialect)
{
    for (const DialectTexts& texts : kDialectTexts)
        if (texts.dialect == dialect)
            return texts;
    return kDialectTexts[0];
}

// The dialect of a version given by its LIN number: 2.0, 2.1 or 2.2.
std::optional<Dialect> DialectOfNumber(double number)
{
    for (Dialect dialect : {Dialect::Lin20, Dialect::Lin21, Dialect::Lin22})
        if (static_cast<float>(number) == static_cast<float>(VersionNumber(TextsOf(dialect).languageVersion)))
            return dialect;
    return std::nullopt;
}

}  // namespace

const std::vector<Dialect>& Dialects()
{
    static const std::vector<Dialect> dialects = {Dialect::Lin20, Dialect::Lin21, Dialect::Lin22, Dialect::Iso17987,
                                                  Dialect::J2602};
    return dialects;
}

std::optional<Dialect> ParseDialect(const std::string& name)
{
    for (const DialectTexts& texts : kDialectTexts)
        if (name == texts.name)
            return texts.dialect;
    return std::nullopt;
}

const char* DialectName(Dialect dialect) { return TextsOf(dialect).name; }
std::string DialectCaption(Dialect dialect) { return TextsOf(dialect).caption; }
std::string DialectProtocolVersion(Dialect dialect) { return TextsOf(dialect).protocolVersion; }
std::string DialectLanguageVersion(Dialect dialect) { return TextsOf(dialect).languageVersion; }
std::string DialectNodeProtocol(Dialect dialect) { return TextsOf(dialect).nodeProtocol; }

std::optional<Dialect> DialectOf(const NetworkContent& network)
{
    const std::string& text = network.languageVersionText;
    if (StartsWith(text, kIsoVersionPrefix) && IsNamedVersion(text))
        return Dialect::Iso17987;
    // The J2602 editions from 2.0 on build on ISO 17987 and are none of these.
    if (StartsWith(text, kJ2602VersionPrefix) && IsNamedVersion(text)) {
        if (VersionNumber(text) == VersionNumber(DialectLanguageVersion(Dialect::J2602)))
            return Dialect::J2602;
        return std::nullopt;
    }
    return DialectOfNumber(network.languageVersion);
}

}  // namespace lin

#include "editing/NetworkForm.h"

#include "editing/EntryRules.h"
#include "editing/NumberText.h"
#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "writer/LdfWriter.h"

namespace {

// Longer than any speed a user types ("10.41666").
constexpr std::size_t kMaxSpeedLength = 16;

// One decimal where that is the exact value ("19.2"), else as many as it takes
// ("10.417").
std::string NumberText(float value)
{
    const std::string oneDecimal = FormatFixed(value, 1);
    return static_cast<float>(ParseDouble(oneDecimal)) == value ? oneDecimal : FormatLdfFloat(value);
}

std::string ShownVersion(const std::string& text, float number)
{
    if (number < 0)
        return {};
    if (!text.empty() && static_cast<float>(lin::VersionNumber(text)) == number)
        return text;
    return NumberText(number);
}

std::string ShownSpeed(float kbps) { return kbps < 0 ? std::string() : NumberText(kbps); }

void CommitVersion(float& number, std::string& text, const std::string& typed)
{
    if (typed.empty()) {
        number = lin::kStandardVersion;
        text = lin::kStandardVersionText;
    } else if (typed != ShownVersion(text, number) && lin::VersionNumber(typed) > 0) {
        number = static_cast<float>(lin::VersionNumber(typed));
        text = typed;
    }
}

void CommitSpeed(float& kbps, const std::string& typed)
{
    if (typed.empty()) {
        kbps = lin::kStandardSpeedKbps;
        return;
    }
    if (typed == ShownSpeed(kbps) || !AcceptDecimalText(typed, kMaxSpeedLength))
        return;
    const auto value = static_cast<float>(ParseDouble(typed));
    if (value >= lin::kMinSpeedKbps && value <= lin::kMaxSpeedKbps)
        kbps = value;
}

std::optional<std::string> QuotableOptional(const std::optional<std::string>& text)
{
    if (!text)
        return std::nullopt;
    return QuotableText(*text);
}

}  // namespace

const std::vector<std::string>& NetworkForm::ProtocolChoices() { return lin::HeaderProtocolVersions(); }

const std::vector<std::string>& NetworkForm::LanguageChoices() { return lin::HeaderLanguageVersions(); }

const std::vector<std::string>& NetworkForm::SpeedChoices()
{
    static const std::vector<std::string> choices = {"1.2", "2.4", "4.8", "9.6", "10.4", "19.2", "20.0"};
    return choices;
}

const std::vector<std::string>& NetworkForm::ByteOrderChoices()
{
    static const std::vector<std::string> choices = {"Not given", "Big endian", "Little endian"};
    return choices;
}

NetworkForm NetworkForm::Read(const LinNetwork& network)
{
    NetworkForm form;
    form.protocolVersion = ShownVersion(network.protocolVersionText, network.protocolVersion);
    form.languageVersion = ShownVersion(network.languageVersionText, network.languageVersion);
    form.speed = ShownSpeed(network.speedKbps);
    form.channelName = network.channelName;
    form.fileRevision = network.fileRevision;
    form.byteOrder = network.byteOrder;
    form.hadLin21Header = form.channelName || form.fileRevision || form.byteOrder != SignalByteOrder::NotGiven;
    return form;
}

void NetworkForm::Commit(LinNetwork& network) const
{
    CommitVersion(network.protocolVersion, network.protocolVersionText, protocolVersion);
    CommitVersion(network.languageVersion, network.languageVersionText, languageVersion);
    CommitSpeed(network.speedKbps, speed);
    network.channelName = QuotableOptional(channelName);
    network.fileRevision = QuotableOptional(fileRevision);
    network.byteOrder = byteOrder;
}

bool NetworkForm::OffersLin21Header() const { return hadLin21Header || lin::RowOfText(languageVersion).lin21Forms; }

#include "editing/NetworkForm.h"

#include "editing/NumberText.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "reader/TextScanner.h"

#include <algorithm>

namespace {

// The choice that shows the value, or the empty text.
std::string ChoiceOf(const std::vector<std::string>& choices, float value)
{
    const std::string text = FormatFixed(value, 1);
    return std::find(choices.begin(), choices.end(), text) != choices.end() ? text : std::string();
}

float ValueOf(const std::string& choice, const char* standard)
{
    return static_cast<float>(ParseDouble(choice.empty() ? standard : choice));
}

// A version the user changed takes the chosen text; an unchanged one keeps
// the text the file gave (a J2602 version shows as the 2.0 it stands for).
void CommitVersion(float& version, std::string& text, const std::string& choice)
{
    const float chosen = ValueOf(choice, lin::kStandardVersionText);
    if (chosen == version)
        return;
    version = chosen;
    text = choice.empty() ? lin::kStandardVersionText : choice;
}

}  // namespace

const std::vector<std::string>& NetworkForm::VersionChoices() { return lin::SupportedVersions(); }

const std::vector<std::string>& NetworkForm::SpeedChoices()
{
    static const std::vector<std::string> choices = {"1.2", "2.4", "4.8", "9.6", "10.4", "19.2", "20.0"};
    return choices;
}

NetworkForm NetworkForm::Read(const LinNetwork& network)
{
    NetworkForm form;
    form.protocolVersion = ChoiceOf(VersionChoices(), network.protocolVersion);
    form.languageVersion = ChoiceOf(VersionChoices(), network.languageVersion);
    form.speed = ChoiceOf(SpeedChoices(), network.speedKbps);
    return form;
}

void NetworkForm::Commit(LinNetwork& network) const
{
    CommitVersion(network.protocolVersion, network.protocolVersionText, protocolVersion);
    CommitVersion(network.languageVersion, network.languageVersionText, languageVersion);
    network.speedKbps = ValueOf(speed, lin::kStandardSpeedText);
}

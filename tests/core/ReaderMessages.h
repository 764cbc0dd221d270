#pragma once

#include "model/LinNetwork.h"

#include <string>
#include <vector>

// The messages of a load that carry a line, as the user reads them. Messages
// without a line come from the driver's garbage rule and the repair, which
// the section tests do not look at.
inline std::vector<std::string> LineMessages(const LinNetwork& network)
{
    std::vector<std::string> texts;
    for (const Message& message : network.messages)
        if (message.line != 0)
            texts.push_back(FormatMessage(message));
    return texts;
}

// Loads the text cut after every length, so that no reader loop can run past
// the end or stop making progress on a statement that breaks off anywhere.
inline void LoadEveryPrefix(const std::string& text)
{
    for (std::size_t length = 0; length <= text.size(); ++length)
        LinNetwork::LoadFromText(text.substr(0, length));
}

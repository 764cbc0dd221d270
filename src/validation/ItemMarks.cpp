#include "validation/ItemMarks.h"

void MarkRecorder::SetItemColor(int item, int colour) { m_styles[item].colour = colour; }

void MarkRecorder::AddItemMessage(int item, const std::string& text) { m_styles[item].messages.push_back(text); }

std::string MarkRecorder::GetItemMessages(int item) const
{
    const auto found = m_styles.find(item);
    if (found == m_styles.end() || found->second.colour != kRed)
        return {};
    return JoinItemMessages(found->second.messages);
}

int MarkRecorder::GetItemColor(int item) const
{
    const auto found = m_styles.find(item);
    return found == m_styles.end() ? kNoColour : found->second.colour;
}

std::string JoinItemMessages(const std::vector<std::string>& messagesInOrderAdded)
{
    std::string joined;
    for (auto message = messagesInOrderAdded.rbegin(); message != messagesInOrderAdded.rend(); ++message) {
        if (message != messagesInOrderAdded.rbegin())
            joined += "; ";
        joined += *message;
    }
    return joined;
}

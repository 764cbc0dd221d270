#include "validation/ItemMarks.h"

void MarkRecorder::SetItemColor(int item, int colour)
{
    if (item < 0)
        return;
    const auto index = static_cast<std::size_t>(item);
    if (index >= m_colours.size())
        m_colours.resize(index + 1, kNoColour);
    m_colours[index] = colour;
}

void MarkRecorder::AddItemMessage(int item, const std::string& text)
{
    if (item >= 0)
        m_messages[item].push_back(text);
}

std::string MarkRecorder::GetItemMessages(int item) const
{
    if (GetItemColor(item) != kRed)
        return {};
    const auto messages = m_messages.find(item);
    return messages == m_messages.end() ? std::string() : JoinItemMessages(messages->second);
}

int MarkRecorder::GetItemColor(int item) const
{
    return item >= 0 && static_cast<std::size_t>(item) < m_colours.size() ? m_colours[static_cast<std::size_t>(item)]
                                                                          : kNoColour;
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

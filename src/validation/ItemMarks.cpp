#include "validation/ItemMarks.h"

void MarkRecorder::SetItemColor(int item, int colour)
{
    if (Style* style = StyleFor(item))
        style->colour = colour;
}

void MarkRecorder::AddItemMessage(int item, const std::string& text)
{
    if (Style* style = StyleFor(item))
        style->messages.push_back(text);
}

std::string MarkRecorder::GetItemMessages(int item) const
{
    const Style* style = FindStyle(item);
    if (!style || style->colour != kRed)
        return {};
    return JoinItemMessages(style->messages);
}

int MarkRecorder::GetItemColor(int item) const
{
    const Style* style = FindStyle(item);
    return style ? style->colour : kNoColour;
}

MarkRecorder::Style* MarkRecorder::StyleFor(int item)
{
    if (item < 0)
        return nullptr;
    const auto index = static_cast<std::size_t>(item);
    if (index >= m_styles.size())
        m_styles.resize(index + 1);
    return &m_styles[index];
}

const MarkRecorder::Style* MarkRecorder::FindStyle(int item) const
{
    return item >= 0 && static_cast<std::size_t>(item) < m_styles.size() ? &m_styles[static_cast<std::size_t>(item)]
                                                                         : nullptr;
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

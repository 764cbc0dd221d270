#include "editing/UndoHistory.h"

#include "model/LinNetwork.h"

#include <utility>

UndoHistory::UndoHistory(std::size_t capacity) : m_capacity(capacity == 0 ? 1 : capacity) {}

bool UndoHistory::Perform(LinNetwork& network, const std::function<bool()>& edit)
{
    NetworkContent before = network.Content();
    if (!edit())
        return false;
    PushUndo(std::move(before));
    m_redo.clear();
    return true;
}

bool UndoHistory::Undo(LinNetwork& network)
{
    if (m_undo.empty())
        return false;
    m_redo.push_back(network.Content());
    network.RestoreContent(std::move(m_undo.back()));
    m_undo.pop_back();
    return true;
}

bool UndoHistory::Redo(LinNetwork& network)
{
    if (m_redo.empty())
        return false;
    PushUndo(network.Content());
    network.RestoreContent(std::move(m_redo.back()));
    m_redo.pop_back();
    return true;
}

void UndoHistory::Clear()
{
    m_undo.clear();
    m_redo.clear();
}

void UndoHistory::PushUndo(NetworkContent before)
{
    m_undo.push_back(std::move(before));
    if (m_undo.size() > m_capacity)
        m_undo.pop_front();
}

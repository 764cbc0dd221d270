#include "editing/UndoHistory.h"

#include "model/LinNetwork.h"

#include <utility>

UndoHistory::UndoHistory(std::size_t capacity) : m_capacity(capacity == 0 ? 1 : capacity) {}

bool UndoHistory::Perform(LinNetwork& network, const std::function<bool()>& edit)
{
    // A whole copy for as long as the edit runs: what the step keeps is only
    // what differs from it afterwards.
    NetworkContent before = network.Content();
    if (!edit())
        return false;
    PushUndo(ContentChange::Between(std::move(before), network.Content()));
    m_redo.clear();
    return true;
}

bool UndoHistory::Undo(LinNetwork& network)
{
    if (m_undo.empty())
        return false;
    ContentChange step = std::move(m_undo.back());
    m_undo.pop_back();
    step.ExchangeWith(network);
    m_redo.push_back(std::move(step));
    return true;
}

bool UndoHistory::Redo(LinNetwork& network)
{
    if (m_redo.empty())
        return false;
    ContentChange step = std::move(m_redo.back());
    m_redo.pop_back();
    step.ExchangeWith(network);
    PushUndo(std::move(step));
    return true;
}

void UndoHistory::Clear()
{
    m_undo.clear();
    m_redo.clear();
}

void UndoHistory::PushUndo(ContentChange step)
{
    m_undo.push_back(std::move(step));
    if (m_undo.size() > m_capacity)
        m_undo.pop_front();
}

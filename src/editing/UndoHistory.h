#pragma once

#include "model/NetworkContent.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

class LinNetwork;

// Undo and Redo for the editor: each step is a whole copy of the network's
// content as it was before the change, so restoring it is exact whatever the
// change touched. The file text and the reader's messages are no part of a
// step. The network object itself stays the same; its content is replaced.
class UndoHistory {
public:
    explicit UndoHistory(std::size_t capacity = 100);

    // Runs an edit; when it reports a change, the content as it was before
    // becomes one undo step. Returns what the edit returned.
    bool Perform(LinNetwork& network, const std::function<bool()>& edit);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

    // Restore the state before the last step (after the last undone step);
    // false when there is none.
    bool Undo(LinNetwork& network);
    bool Redo(LinNetwork& network);

    // Forget every step (a new network was made or read).
    void Clear();

private:
    void PushUndo(NetworkContent before);

    std::size_t m_capacity;
    std::deque<NetworkContent> m_undo;
    std::vector<NetworkContent> m_redo;
};

#pragma once

#include "editing/ContentChange.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

class LinNetwork;

// Undo and Redo for the editor: each step keeps what its edit changed in the
// network's content (ContentChange), so a step costs what the edit touched,
// and undoing or redoing it restores the content exactly as long as every
// change of the network since is a step of this history. The file text and
// the reader's messages are no part of a step. The network object itself
// stays the same.
class UndoHistory {
public:
    explicit UndoHistory(std::size_t capacity = 100);

    // Runs an edit; when it reports a change, what it changed becomes one
    // undo step. Returns what the edit returned.
    bool Perform(LinNetwork& network, const std::function<bool()>& edit);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

    // Restore the state before the last step (after the last undone step);
    // false when there is none.
    bool Undo(LinNetwork& network);
    bool Redo(LinNetwork& network);

    // Forget every step (a new network was made or read, or it was changed
    // outside the history).
    void Clear();

private:
    void PushUndo(ContentChange step);

    std::size_t m_capacity;
    std::deque<ContentChange> m_undo;
    std::vector<ContentChange> m_redo;
};

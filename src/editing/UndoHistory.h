#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class LinNetwork;

// Undo and Redo for the editor: each step is a whole copy of the network as
// it was before the change, so restoring it is exact whatever the change
// touched. The network object itself stays the same; its contents are
// replaced.
class UndoHistory {
public:
    explicit UndoHistory(std::size_t capacity = 100);

    // Runs an edit; when it reports a change, the network as it was before
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
    void PushUndo(std::unique_ptr<LinNetwork> before);

    std::size_t m_capacity;
    std::deque<std::unique_ptr<LinNetwork>> m_undo;
    std::vector<std::unique_ptr<LinNetwork>> m_redo;
};

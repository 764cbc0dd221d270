#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// What the consistency checks need of a tree: marking an item by its handle
// (an index the caller chose) and attaching reasons to it.
class ItemMarks {
public:
    static constexpr int kRed = 255;
    static constexpr int kBlack = 0;
    static constexpr int kNoColour = -1;

    virtual ~ItemMarks() = default;
    virtual void SetItemColor(int item, int colour) = 0;
    virtual void AddItemMessage(int item, const std::string& text) = 0;
    // The reasons of a red item joined with "; ", most recent first; empty
    // for any other item.
    virtual std::string GetItemMessages(int item) const = 0;
};

// Keeps the marks in memory; the tree outline (which the editor's tree and
// the command-line tool render) and the tests use it. Items are indexes
// from 0 on, as the outline numbers its items; a negative one is ignored.
class MarkRecorder : public ItemMarks {
public:
    void SetItemColor(int item, int colour) override;
    void AddItemMessage(int item, const std::string& text) override;
    std::string GetItemMessages(int item) const override;

    int GetItemColor(int item) const;  // kNoColour when never set
    void Clear()
    {
        m_colours.clear();
        m_messages.clear();
    }
    // Room for this many items at once, so the list never grows by copying.
    void Reserve(std::size_t items) { m_colours.reserve(items); }

private:
    // Every item gets a colour, few get reasons: only those hold a list.
    std::vector<int> m_colours;                                    // by item
    std::unordered_map<int, std::vector<std::string>> m_messages;  // by item, in the order added
};

// Joins reasons as the status bar shows them: most recent first, "; " between.
std::string JoinItemMessages(const std::vector<std::string>& messagesInOrderAdded);
